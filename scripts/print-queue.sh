# Sourced by ./test: a CUPS spooler of its own with a PDF queue, so that the
# printing tests print for real without touching the machine's printers.
# start_print_queue exports CUPS_SERVER (read by every CUPS client, Qt's
# included) and QUITANZA_PRINT_OUTPUT, the folder the queue's PDFs land in;
# stop_print_queue stops the spooler and removes what start_print_queue made.
# Without root the PDF backend cannot run: the printing tests then skip.

print_queue_name=quitanza-pdf
print_queue_dir=
print_queue_pid=

stop_print_queue() {
  if [ -n "$print_queue_pid" ]; then
    kill "$print_queue_pid" 2>/dev/null || true
    wait "$print_queue_pid" 2>/dev/null || true
  fi
  rm -f "/etc/cups/cups-pdf-$print_queue_name.conf"
  [ -z "$print_queue_dir" ] || rm -rf "$print_queue_dir"
  print_queue_pid=
  print_queue_dir=
}

start_print_queue() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "Printing tests skip: the PDF printer needs root to run its spooler." >&2
    return 0
  fi
  print_queue_dir="$(mktemp -d /tmp/quitanza-cups.XXXXXX)"
  # cupsd refuses folders its filters (user lp) cannot enter.
  chmod 755 "$print_queue_dir"
  local d="$print_queue_dir"
  mkdir -p "$d/spool/tmp" "$d/cache" "$d/state" "$d/log" "$d/pdf" "$d/pdf-spool" "$d/etc"
  chmod 1777 "$d/pdf"
  cat >"$d/etc/cupsd.conf" <<CONF
Listen $d/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
  cat >"$d/etc/cups-files.conf" <<CONF
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/spool/tmp
CacheDir $d/cache
StateDir $d/state
ErrorLog $d/log/error_log
AccessLog $d/log/access_log
PageLog $d/log/page_log
User lp
Group lp
CONF
  # The PDF backend reads cups-pdf-QUEUE.conf beside its own settings.
  cat >"/etc/cups/cups-pdf-$print_queue_name.conf" <<CONF
Out $d/pdf
AnonDirName $d/pdf
Spool $d/pdf-spool
Log $d/log
Label 2
UserUMask 0000
Grp root
CONF
  cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf" &
  print_queue_pid=$!
  trap stop_print_queue EXIT
  export CUPS_SERVER="$d/cups.sock"
  local tries=0
  until lpstat -r >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$print_queue_pid" 2>/dev/null; then
      echo "The CUPS spooler did not start:" >&2
      cat "$d/log/error_log" >&2 2>/dev/null || true
      return 1
    fi
    sleep 0.1
  done
  lpadmin -p "$print_queue_name" -E -v "cups-pdf:/$print_queue_name" \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd -o printer-error-policy=abort-job
  lpadmin -d "$print_queue_name"
  export QUITANZA_PRINT_OUTPUT="$d/pdf"
  export QUITANZA_PRINT_QUEUE="$print_queue_name"
}
