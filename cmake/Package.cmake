# `cpack -G DEB` in the build folder makes teebook_<version>_<arch>.deb from the
# install rules. The libraries come from the binaries (dpkg-shlibdeps), which
# brings libqt6multimedia6 and its audio back-ends with it. The SVG image and
# icon engines every picture needs are plugins no binary links, so they are
# named by hand, as are the recommended GStreamer and Wayland plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME teebook)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The teebook developers")
set(CPACK_PACKAGE_CONTACT "The teebook developers <maintainers@teebook.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "golf scorebook for one player or a household")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps the courses you play, the golfers of the house and every round they\n\
play, stroke by stroke and putt by putt. Enter a round on a paper-style score\n\
card with running totals, look back over past rounds, view and edit course\n\
cards, and see each golfer's statistics on each course.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://teebook.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, qt6-wayland")

include(CPack)
