/*
 * A drag source for the end-to-end tests: drops files onto whatever X window
 * lies under a screen point, through the XDND protocol, as a file manager
 * does. Wine turns such a drop onto a window registered with DragAcceptFiles
 * into WM_DROPFILES.
 *
 *   xdnd-drop X Y PATH...
 *
 * Moves the pointer to (X, Y) in root coordinates, finds the XdndAware window
 * there, offers the paths as text/uri-list, drops when the target accepts
 * and waits for it to finish. Exit status 0 when the target took the drop,
 * 2 when it refused it, 1 on any other failure (with the reason on stderr).
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static const long kTimeoutMs = 20000;

static Display *dpy;
static Window source, target;
static Atom aAware, aEnter, aPosition, aStatus, aDrop, aLeave, aFinished, aSelection, aActionCopy, aUriList, aTargets;

static void die(const char *what) {
  fprintf(stderr, "xdnd-drop: %s\n", what);
  exit(1);
}

static long now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

/* file:// URIs, CR LF after each, with everything but unreserved characters
 * and "/" percent-encoded. */
static char *uri_list(int count, char **paths) {
  size_t size = 1;
  for (int i = 0; i < count; ++i) size += strlen("file://") + 3 * strlen(paths[i]) + 2;
  char *list = malloc(size), *out = list;
  if (!list) die("out of memory");
  for (int i = 0; i < count; ++i) {
    if (paths[i][0] != '/') die("paths must be absolute");
    out += sprintf(out, "file://");
    for (const unsigned char *p = (const unsigned char *)paths[i]; *p; ++p) {
      if ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9') || strchr("/-._~", *p))
        *out++ = (char)*p;
      else
        out += sprintf(out, "%%%02X", *p);
    }
    *out++ = '\r';
    *out++ = '\n';
  }
  *out = '\0';
  return list;
}

static int xdnd_version(Window w) {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char *data = NULL;
  int version = -1;
  if (XGetWindowProperty(dpy, w, aAware, 0, 1, False, XA_ATOM, &type, &format, &items, &after, &data) == Success &&
      type == XA_ATOM && items == 1)
    version = (int)*(Atom *)data;
  if (data) XFree(data);
  return version;
}

/* The topmost window under the point that takes part in XDND: walks down
 * from the root, as a drag source does, through the children under it. */
static Window aware_window_at(int x, int y, int *version) {
  Window root = DefaultRootWindow(dpy), w = root, child;
  int wx, wy;
  while (XTranslateCoordinates(dpy, root, w, x, y, &wx, &wy, &child) && child != None) {
    w = child;
    if ((*version = xdnd_version(w)) >= 0) return w;
  }
  return None;
}

static void send_client(Atom type, long l1, long l2, long l3, long l4) {
  XEvent e;
  memset(&e, 0, sizeof e);
  e.xclient.type = ClientMessage;
  e.xclient.display = dpy;
  e.xclient.window = target;
  e.xclient.message_type = type;
  e.xclient.format = 32;
  e.xclient.data.l[0] = (long)source;
  e.xclient.data.l[1] = l1;
  e.xclient.data.l[2] = l2;
  e.xclient.data.l[3] = l3;
  e.xclient.data.l[4] = l4;
  XSendEvent(dpy, target, False, NoEventMask, &e);
  XFlush(dpy);
}

static void answer_selection(const XSelectionRequestEvent *r, const char *list) {
  XEvent reply;
  memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = dpy;
  reply.xselection.requestor = r->requestor;
  reply.xselection.selection = r->selection;
  reply.xselection.target = r->target;
  reply.xselection.time = r->time;
  reply.xselection.property = None;
  Atom property = r->property != None ? r->property : r->target;
  if (r->selection == aSelection && r->target == aUriList) {
    XChangeProperty(dpy, r->requestor, property, aUriList, 8, PropModeReplace, (const unsigned char *)list,
                    (int)strlen(list));
    reply.xselection.property = property;
  } else if (r->selection == aSelection && r->target == aTargets) {
    Atom targets[2] = {aTargets, aUriList};
    XChangeProperty(dpy, r->requestor, property, XA_ATOM, 32, PropModeReplace, (unsigned char *)targets, 2);
    reply.xselection.property = property;
  }
  XSendEvent(dpy, r->requestor, False, NoEventMask, &reply);
  XFlush(dpy);
}

/* The next event, or 0 when the deadline passed. */
static int next_event(XEvent *e, long deadline) {
  while (!XPending(dpy)) {
    long left = deadline - now_ms();
    if (left <= 0) return 0;
    struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
    if (poll(&p, 1, (int)left) < 0 && errno != EINTR) die("poll failed");
  }
  XNextEvent(dpy, e);
  return 1;
}

int main(int argc, char **argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: xdnd-drop X Y PATH...\n");
    return 1;
  }
  int x = atoi(argv[1]), y = atoi(argv[2]);
  char *list = uri_list(argc - 3, argv + 3);
  dpy = XOpenDisplay(NULL);
  if (!dpy) die("cannot open the display");
  aAware = XInternAtom(dpy, "XdndAware", False);
  aEnter = XInternAtom(dpy, "XdndEnter", False);
  aPosition = XInternAtom(dpy, "XdndPosition", False);
  aStatus = XInternAtom(dpy, "XdndStatus", False);
  aDrop = XInternAtom(dpy, "XdndDrop", False);
  aLeave = XInternAtom(dpy, "XdndLeave", False);
  aFinished = XInternAtom(dpy, "XdndFinished", False);
  aSelection = XInternAtom(dpy, "XdndSelection", False);
  aActionCopy = XInternAtom(dpy, "XdndActionCopy", False);
  aUriList = XInternAtom(dpy, "text/uri-list", False);
  aTargets = XInternAtom(dpy, "TARGETS", False);

  Window root = DefaultRootWindow(dpy);
  source = XCreateSimpleWindow(dpy, root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(dpy, aSelection, source, CurrentTime);
  if (XGetSelectionOwner(dpy, aSelection) != source) die("cannot own XdndSelection");
  XWarpPointer(dpy, None, root, 0, 0, 0, 0, x, y);
  XSync(dpy, False);

  int version = -1;
  target = aware_window_at(x, y, &version);
  if (target == None) die("no XdndAware window under the point");
  if (version > 5) version = 5;
  fprintf(stderr, "xdnd-drop: target 0x%lx, XDND version %d\n", (unsigned long)target, version);

  long deadline = now_ms() + kTimeoutMs;
  send_client(aEnter, (long)version << 24, (long)aUriList, None, None);
  send_client(aPosition, 0, ((long)x << 16) | (y & 0xFFFF), CurrentTime, (long)aActionCopy);
  int dropped = 0;
  XEvent e;
  while (next_event(&e, deadline)) {
    if (e.type == SelectionRequest) {
      answer_selection(&e.xselectionrequest, list);
    } else if (e.type == ClientMessage && e.xclient.message_type == aStatus && !dropped) {
      if (!(e.xclient.data.l[1] & 1)) {
        send_client(aLeave, 0, 0, 0, 0);
        fprintf(stderr, "xdnd-drop: the target refused the drop\n");
        XCloseDisplay(dpy);
        return 2;
      }
      send_client(aDrop, 0, CurrentTime, 0, 0);
      dropped = 1;
    } else if (e.type == ClientMessage && e.xclient.message_type == aFinished) {
      fprintf(stderr, "xdnd-drop: dropped %d path(s)\n", argc - 3);
      XCloseDisplay(dpy);
      free(list);
      return 0;
    }
  }
  die(dropped ? "no XdndFinished within the time limit" : "no XdndStatus within the time limit");
  return 1;
}
