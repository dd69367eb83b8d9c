#!/bin/sh
# Runs a test program as an ordinary user: root may write into read-only files and folders,
# so tests of those failures need a user the permissions hold for.
if [ "$(id -u)" = 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env "$@"
fi
exec "$@"
