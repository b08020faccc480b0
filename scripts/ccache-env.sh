# Sourced by the build scripts: ccache hashes paths relative to the checkout,
# so another clone or build folder reuses the objects. Precompiled headers are
# cached too (ccache needs to be told to trust their time stamps and defines).
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
