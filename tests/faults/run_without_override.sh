#!/bin/sh
# Runs a test program so that file permissions bind it. As root it runs
# without the capabilities that let root write into a read-only folder
# (still root, so the build tree and the temporary folders stay reachable);
# any other user runs it as it is.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null 2>&1; then
  exec setpriv --inh-caps=-dac_override,-dac_read_search --bounding-set=-dac_override,-dac_read_search -- "$@"
fi
exec "$@"
