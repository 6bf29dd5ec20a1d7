# What `cmake --install` puts where: the programs in bin/, the files they read
# in share/teebook/, and the desktop entries, icon and metainfo the desktop
# shows them with. The scorebook is never installed: each user gets their own.
include(GNUInstallDirs)

set(teebook_programs teebook teeguide)
if(TARGET teebook-cli)
    list(APPEND teebook_programs teebook-cli)
endif()
install(TARGETS ${teebook_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The pictures are built into the programs, so only sounds and help are shared files.
file(GLOB teebook_help_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/help/*)
install(FILES ${teebook_help_files} ${CMAKE_SOURCE_DIR}/assets/sounds/golfswng.wav
              ${CMAKE_SOURCE_DIR}/assets/sounds/cup.wav
        DESTINATION ${CMAKE_INSTALL_DATADIR}/teebook)

set(desktop ${CMAKE_SOURCE_DIR}/assets/desktop)
install(FILES ${desktop}/org.teebook.Teebook.desktop ${desktop}/org.teebook.Teeguide.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/org.teebook.Teebook.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop}/org.teebook.Teebook.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
