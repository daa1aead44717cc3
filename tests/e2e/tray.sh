# Helpers for scenarios that work the program's notification-area icon;
# sourced after muralto.sh. The session's virtual desktop shows the icons in
# the notification area at the right end of its taskbar (the window of class
# Shell_TrayWnd), the newest rightmost, each a square as high as the bar.

# The taskbar's window and its rectangle: "left top width height".
tray_bar_rect() {
  local bar
  bar=$(e2e_driver wait-window Shell_TrayWnd - 20) || e2e_fail "no taskbar on the desktop"
  e2e_driver rect "$bar" | head -1
}

# The centre "x y" of the rightmost icon of the notification area.
tray_icon_point() {
  local left top width height
  read -r left top width height <<<"$(tray_bar_rect)"
  echo "$((left + width - height / 2)) $((top + height / 2))"
}

# The square of the rightmost icon as a crop geometry ("WxH+X+Y"). Take it
# while the bar is shown: Wine hides the bar when nothing is left on it.
tray_icon_square() {
  local left top width height
  read -r left top width height <<<"$(tray_bar_rect)"
  echo "${height}x${height}+$((left + width - height))+$top"
}

# A fingerprint of the screen's pixels in a square.
tray_pixels() {  # SHOT.png SQUARE
  convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1
}

# The tray icon's own hidden window in the program (its notifications go there).
tray_notify_window() {
  e2e_driver wait-window TStTrayIconWindow - 20 | cut -f1
}

# The first visible pop-up menu, or nothing.
tray_open_menu() {
  e2e_driver list | awk -F'\t' '$3 == 1 && $4 == "#32768" { print $1; exit }'
}
