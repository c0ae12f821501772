# Installing the game the way a desktop expects it. The program lives in
# bin/, its files in share/zumbarta/.

include(GNUInstallDirs)

set(ZUMBARTA_DATOS_INSTALADOS ${CMAKE_INSTALL_DATADIR}/zumbarta)

# The program looks for its installed files relative to its own folder, so
# the same binary works under any prefix and inside a DESTDIR.
file(RELATIVE_PATH ZUMBARTA_DATOS_DESDE_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/zumbarta)
target_compile_definitions(zumbarta_core PRIVATE ZUMBARTA_DATOS="${ZUMBARTA_DATOS_DESDE_BIN}")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zumbarta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Qt comes from the system's library folders; the ../lib search path Qt's
# project setup adds would only point at /usr/lib again.
set_target_properties(zumbarta PROPERTIES INSTALL_RPATH "")

# Every sound in assets/, whatever its name, and the help pages.
file(GLOB ZUMBARTA_SONIDOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*.wav)
install(FILES ${ZUMBARTA_SONIDOS} DESTINATION ${ZUMBARTA_DATOS_INSTALADOS})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/ayuda DESTINATION ${ZUMBARTA_DATOS_INSTALADOS})
