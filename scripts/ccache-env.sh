# Sourced by the build scripts: ccache hashes paths relative to the checkout,
# so another clone or build folder reuses the objects.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
