# Libraries of the portable core. Natively they are Debian's -dev packages;
# for Windows, zlib comes from libz-mingw-w64-dev and the others are the
# static cross builds that scripts/setup.sh makes from Debian source packages.
if(WIN32)
  # mingw-w64 ships the import library of zlib1.dll beside the static libz.a;
  # the program must carry zlib inside, as no Windows has that DLL.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(pugixml REQUIRED)
find_package(Threads REQUIRED)

if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest as source; the Windows test executables build it.
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
else()
  if(TIRAVEL_UNIT_TESTS OR TIRAVEL_HOST_TOOLS)
    find_package(GTest REQUIRED)
  endif()
  if(TIRAVEL_HOST_TOOLS)
    find_package(benchmark REQUIRED)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(HARFBUZZ REQUIRED IMPORTED_TARGET harfbuzz)
    pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
    pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
    find_package(nlohmann_json REQUIRED)
  endif()
endif()

if(TARGET pugixml::pugixml)
  set(TIRAVEL_PUGIXML pugixml::pugixml)
else()
  set(TIRAVEL_PUGIXML pugixml)
endif()
