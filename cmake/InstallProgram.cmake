# Installed, the programs keep their data beside them (they find Img/, locale/ and Help/ next to
# the executable); the command in bin/ is a link to the program there.
include(GNUInstallDirs)
set(TAMEK_INSTALL_APPDIR ${CMAKE_INSTALL_LIBDIR}/tamek CACHE STRING "Folder of the installed program and its data")

function(tamek_install_beside_data target)
    install(TARGETS ${target} RUNTIME DESTINATION ${TAMEK_INSTALL_APPDIR})
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${target}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(RELATIVE_PATH target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\"
             \"\${CMAKE_INSTALL_PREFIX}/${TAMEK_INSTALL_APPDIR}/${target}\")
        file(CREATE_LINK \"\${target}\" \"\${link}\" SYMBOLIC)
    ")
endfunction()
