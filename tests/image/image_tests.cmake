# The picture tests draw their fixtures through the same libraries the
# loaders read them with, and run the player for the -picture command.
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(GIF REQUIRED)
find_package(ZLIB REQUIRED)
pkg_check_modules(LCMS2 REQUIRED IMPORTED_TARGET lcms2)
zol_test_suite(image zol_image zol_shell JPEG::JPEG PNG::PNG GIF::GIF ZLIB::ZLIB PkgConfig::LCMS2)
add_dependencies(image_tests zolviewer)
