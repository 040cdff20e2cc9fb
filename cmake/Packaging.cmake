# The installed form: a Debian package made by CPack (scripts/package.sh).
# The program folder is /usr/lib/tarvenor; users' own data lives in their homes.
set(TARVENOR_PKG_DIR ${CMAKE_CURRENT_BINARY_DIR}/package)
set(TARVENOR_PKG_SRC ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(TARVENOR_PROGRAM_FOLDER lib/tarvenor)

# A fresh catalogue for the package, never the build folder's database that
# may hold the developer's own favourites and agenda.
add_custom_command(OUTPUT ${TARVENOR_PKG_DIR}/db/database.sqlite
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TARVENOR_PKG_DIR}/db/database.sqlite
  COMMAND ${CMAKE_COMMAND} -DSCHEMA=${TARVENOR_SCHEMA} -DDEMO=${TARVENOR_DEMO}
          -DOUT=${TARVENOR_PKG_DIR}/db/database.sqlite -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/MakeDatabase.cmake
  # Rollback mode: users read it with the usual locks from a folder they
  # cannot write, and see the administrator's updates while they run.
  COMMAND sqlite3 ${TARVENOR_PKG_DIR}/db/database.sqlite "PRAGMA journal_mode=DELETE"
  # Users cannot index a catalogue they cannot write: it ships indexed.
  COMMAND $<TARGET_FILE:tarvenor-update> --pregateste-cautarea ${TARVENOR_PKG_DIR}/db/database.sqlite
  DEPENDS ${TARVENOR_SCHEMA} ${TARVENOR_DEMO} tarvenor-update
  COMMENT "Preparing the package's catalogue")
add_custom_command(OUTPUT ${TARVENOR_PKG_DIR}/icons/256x256/apps/tarvenor.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_icon> ${TARVENOR_PKG_DIR}/icons
  DEPENDS make_icon
  COMMENT "Drawing the icon")
set(TARVENOR_PKG_GZ)
foreach(f tarvenor.1 tarvenor-update.1 changelog)
  add_custom_command(OUTPUT ${TARVENOR_PKG_DIR}/${f}.gz
    COMMAND sh -c "gzip -9n -c '${TARVENOR_PKG_SRC}/${f}' > '${TARVENOR_PKG_DIR}/${f}.gz'"
    DEPENDS ${TARVENOR_PKG_SRC}/${f}
    VERBATIM)
  list(APPEND TARVENOR_PKG_GZ ${TARVENOR_PKG_DIR}/${f}.gz)
endforeach()
file(MAKE_DIRECTORY ${TARVENOR_PKG_DIR})
foreach(program tarvenor tarvenor-update)
  file(CREATE_LINK ../${TARVENOR_PROGRAM_FOLDER}/${program} ${TARVENOR_PKG_DIR}/${program} SYMBOLIC)
endforeach()
add_custom_target(tarvenor_package_files ALL
  DEPENDS ${TARVENOR_PKG_DIR}/db/database.sqlite ${TARVENOR_PKG_DIR}/icons/256x256/apps/tarvenor.png ${TARVENOR_PKG_GZ})

install(TARGETS tarvenor tarvenor-update RUNTIME DESTINATION ${TARVENOR_PROGRAM_FOLDER})
install(FILES ${TARVENOR_PKG_DIR}/db/database.sqlite ${TARVENOR_SCHEMA} ${TARVENOR_PKG_SRC}/installed
  ${CMAKE_CURRENT_SOURCE_DIR}/db/termene-uzuale DESTINATION ${TARVENOR_PROGRAM_FOLDER}/db)
# What the administrator edits: conffiles of the package.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/db/trusted-keys ${TARVENOR_PKG_SRC}/zile-nelucratoare
  DESTINATION /etc/tarvenor)
install(FILES ${TARVENOR_DOCS} DESTINATION ${TARVENOR_PROGRAM_FOLDER}/Docs)
install(FILES ${TARVENOR_PKG_DIR}/tarvenor ${TARVENOR_PKG_DIR}/tarvenor-update DESTINATION bin)
install(FILES ${TARVENOR_PKG_SRC}/tarvenor.desktop DESTINATION share/applications)
install(FILES ${TARVENOR_PKG_SRC}/ro.tarvenor.Tarvenor.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${TARVENOR_PKG_DIR}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${TARVENOR_PKG_DIR}/tarvenor.1.gz ${TARVENOR_PKG_DIR}/tarvenor-update.1.gz DESTINATION share/man/man1)
install(FILES ${TARVENOR_PKG_SRC}/copyright ${TARVENOR_PKG_DIR}/changelog.gz DESTINATION share/doc/tarvenor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvenor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Echipa Tarvenor <echipa@tarvenor.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no linked library names: the fonts the window's captions fall back to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${TARVENOR_PKG_SRC}/conffiles ${TARVENOR_PKG_SRC}/postinst ${TARVENOR_PKG_SRC}/postrm)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "legal acts, agenda and contract templates for lawyers
A desktop tool for Romanian lawyers: a catalogue of legal acts with search,
a full-text viewer, printing, favourites and recently viewed acts; a
three-day agenda with user-defined event types; contract templates; signed
offline catalogue updates.")
include(CPack)
