# One interface target carries the language standard, warnings and sanitizer
# flags; every target links it instead of repeating them.
add_library(skitally_options INTERFACE)
target_compile_features(skitally_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(skitally_options INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>)
# GCC 12 at -O2 and above reports std::string concatenation as overlapping
# memcpy (its bug 105329); the warning says nothing about our code there.
target_compile_options(skitally_options INTERFACE
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
target_compile_definitions(skitally_options INTERFACE
  SKITALLY_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  SKITALLY_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  SKITALLY_VERSION_PATCH=${PROJECT_VERSION_PATCH})
if(SKITALLY_SANITIZE)
  target_compile_options(skitally_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(skitally_options INTERFACE -fsanitize=address,undefined)
endif()
