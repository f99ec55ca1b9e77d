# The version of the build machine's package; the headers do not depend on the target.
include(/usr/share/cmake/CLI11/CLI11ConfigVersion.cmake)
