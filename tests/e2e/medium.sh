# Sourced by the Linux end-to-end scripts. lay_medium: the program and two pages in
# $medium, and a stand-in xdg-open in $work/bin that appends what the program hands to
# the desktop to $XDG_OPEN_RECORD.
lay_medium() {
  cat > "$work/bin/xdg-open" <<'STUB'
#!/bin/sh
printf '%s\n' "$@" >> "$XDG_OPEN_RECORD"
STUB
  chmod +x "$work/bin/xdg-open"
  cp "$program" "$medium/startprogram"
  printf '<html><body>index</body></html>\n' > "$medium/index.htm"
  printf '<html><body>second</body></html>\n' > "$medium/second page.htm"
}
