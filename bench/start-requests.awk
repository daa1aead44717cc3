# Counts, in a wineserver trace (wineserver -d1), the requests that the main
# thread of each started program makes from its first request until its first
# top-level window with an area is shown: the work of a start, the same in
# every run whatever the machine's load.
#
#   awk -f bench/start-requests.awk TRACE
#
# Prints "requests IMAGE#N COUNT" per process started from an image (N counts
# the starts of that image from 1), or "requests IMAGE#N none" for a process
# that showed no window. A process is known by the image path of the request
# that created it; its main thread by its first thread's reply. A window is
# top-level when its parent is no window of the same thread; it shows at the
# window-position request that sets SWP_SHOWWINDOW (0x40) with an area.

function hex(text, digits, i, value) {
  digits = "0123456789abcdef"
  value = 0
  for (i = 1; i <= length(text); i++) value = value * 16 + index(digits, tolower(substr(text, i, 1))) - 1
  return value
}

function field(line, name, rest) {
  if (!match(line, name "=[0-9a-fA-F]+")) return ""
  rest = substr(line, RSTART + length(name) + 1, RLENGTH - length(name) - 1)
  return rest
}

{
  thread = substr($0, 1, 4)
  if (substr($0, 5, 2) != ": ") next
  text = substr($0, 7)
}

# The creator's request names the image; its reply the new process's id.
text ~ /^new_process\( / && match(text, /imagepath=L"[^"]*"/) {
  image = substr(text, RSTART + 12, RLENGTH - 13)
  sub(/.*\\/, "", image)
  creating[thread] = image
  next
}
text ~ /^new_process\(\) = 0 / && thread in creating {
  imageOf[field(text, "pid")] = creating[thread]
  delete creating[thread]
  next
}
text ~ /^init_first_thread\(\) = 0 / {
  pid = field(text, "pid")
  if (pid in imageOf) {
    label = imageOf[pid] "#" (++starts[imageOf[pid]])
    labelOf[thread] = label
    order[++programs] = thread
    counting[thread] = 1
    count[thread] = 1  # its init_first_thread request
  }
  next
}
!(thread in counting) { next }
text ~ /^[a-z_]+\(\) = / {
  # A reply: a created window is recorded with its parent.
  if (text ~ /^create_window\(\) = 0 /) {
    window = field(text, "handle")
    windows[thread, window] = 1
    if (!((thread, field(text, "parent")) in windows)) topLevel[thread, window] = 1
  }
  next
}
text ~ /^[a-z_]+\(/ {
  count[thread]++
  if (text ~ /^set_window_pos\( / && int(hex(field(text, "swp_flags")) / 64) % 2 && (thread, field(text, "handle")) in topLevel) {
    if (match(text, /window=\{-?[0-9]+,-?[0-9]+;-?[0-9]+,-?[0-9]+\}/)) {
      split(substr(text, RSTART + 8, RLENGTH - 9), c, /[,;]/)
      if (c[3] > c[1] && c[4] > c[2]) {
        shown[thread] = count[thread]
        delete counting[thread]
      }
    }
  }
}
END {
  for (i = 1; i <= programs; i++) {
    t = order[i]
    print "requests", labelOf[t], (t in shown ? shown[t] : "none")
  }
}
