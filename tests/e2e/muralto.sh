# Helpers for scenarios that drive Muralto.exe; sourced after lib.sh.

MURALTO_EXE="$E2E_WINDOWS_BUILD/Muralto.exe"
MURALTO_TITLE="Muralto 1.2"
RUN_KEY='HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
DESKTOP_KEY='HKCU\Control Panel\desktop'

[ -f "$MURALTO_EXE" ] || e2e_skip "Muralto.exe is not built yet"

# A fresh program folder, as an installation lays it out: the executable, an
# empty data folder and the language files. Prints its path.
muralto_folder() {
  local app="$E2E_WORK/app"
  mkdir -p "$app/data" "$app/language"
  cp "$MURALTO_EXE" "$app/"
  cp "$E2E_WINDOWS_BUILD"/language/*.ini "$app/language/"
  echo "$app"
}

# Writes a file with CR LF line ends from the lines given on standard input.
write_crlf() {
  sed 's/$/\r/' >"$1"
}

# The file's text with CR LF turned into LF, to compare with here-documents.
read_crlf() {
  tr -d '\r' <"$1"
}

# Checks that a file holds exactly the given lines, each ending in CR LF.
expect_crlf_file() {  # FILE WHAT <<<lines
  local expected actual
  expected=$(sed 's/$/\r/' | od -An -c)
  actual=$(od -An -c <"$1") || e2e_fail "$2: $1 is missing"
  [ "$actual" = "$expected" ] || e2e_fail "$2: $1 holds $(cat -A "$1")"
}

# Width x height of a BMP file.
bmp_size() {
  echo "$(od -An -tu4 -j18 -N4 "$1" | tr -d ' ')x$(od -An -tu4 -j22 -N4 "$1" | tr -d ' ')"
}
