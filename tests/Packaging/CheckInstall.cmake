# Installs the build into a scratch root with prefix /usr, or unpacks a Debian package there when PACKAGE names
# one, and checks what arrived: exactly the expected files with the right modes, icons of the size their folder
# says, a desktop entry whose program and icon are installed, and metadata that validates against the tree.
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DROOT=<scratch> [-DPACKAGE=<.deb>]
#         -DDESKTOP_FILE_VALIDATE=<path> -DAPPSTREAMCLI=<path> -P CheckInstall.cmake
set(_id com.temrid.Quellarine)
set(_sides 16 22 24 32 48 64 128 256 512)

file(REMOVE_RECURSE ${ROOT})
file(MAKE_DIRECTORY ${ROOT})
if(DEFINED PACKAGE)
  execute_process(COMMAND dpkg-deb -x ${PACKAGE} ${ROOT} RESULT_VARIABLE _status)
else()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ROOT} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    OUTPUT_QUIET RESULT_VARIABLE _status)
endif()
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "Putting the installation into ${ROOT} failed (${_status})")
endif()

set(_expected
  usr/bin/quellarine
  usr/libexec/quellarine-device-helper
  usr/libexec/quellarine-relaunch
  usr/share/applications/${_id}.desktop
  usr/share/metainfo/${_id}.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/${_id}.svg)
foreach(_side IN LISTS _sides)
  list(APPEND _expected usr/share/icons/hicolor/${_side}x${_side}/apps/${_id}.png)
endforeach()
# The input devices' files come with the backend that needs them.
if(EXISTS ${SOURCE_DIR}/resources/linux/70-quellarine.rules)
  list(APPEND _expected usr/lib/udev/rules.d/70-quellarine.rules)
endif()
# Carried where udev does not read it: only `quellarine --allow-keyboards` makes it active.
if(EXISTS ${SOURCE_DIR}/resources/linux/71-quellarine-keyboards.rules)
  list(APPEND _expected usr/share/quellarine/71-quellarine-keyboards.rules)
endif()
if(EXISTS ${SOURCE_DIR}/resources/linux/quellarine-uinput.conf)
  list(APPEND _expected usr/lib/modules-load.d/quellarine-uinput.conf)
endif()
list(SORT _expected)
file(GLOB_RECURSE _found LIST_DIRECTORIES false RELATIVE ${ROOT} ${ROOT}/*)
list(SORT _found)
if(NOT _found STREQUAL _expected)
  set(_missing ${_expected})
  list(REMOVE_ITEM _missing ${_found})
  set(_extra ${_found})
  list(REMOVE_ITEM _extra ${_expected})
  message(FATAL_ERROR "Installed files differ from the expected ones.\n  missing: ${_missing}\n  unexpected: ${_extra}")
endif()

set(_failures "")
# Programs are executable by everyone and writable only by their owner; everything else is plain readable data.
foreach(_file IN LISTS _found)
  execute_process(COMMAND stat -c %a ${ROOT}/${_file} OUTPUT_VARIABLE _mode OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(_file MATCHES "^usr/(bin|libexec)/")
    set(_want 755)
  else()
    set(_want 644)
  endif()
  if(NOT _mode STREQUAL _want)
    list(APPEND _failures "${_file} has mode ${_mode}, not ${_want}")
  endif()
endforeach()

# A PNG's header holds its width and height as big-endian 32-bit numbers from byte 16.
foreach(_side IN LISTS _sides)
  set(_png ${ROOT}/usr/share/icons/hicolor/${_side}x${_side}/apps/${_id}.png)
  file(READ ${_png} _signature LIMIT 8 HEX)
  file(READ ${_png} _size OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${_size}" 0 8 _widthHex)
  string(SUBSTRING "${_size}" 8 8 _heightHex)
  math(EXPR _width "0x${_widthHex}")
  math(EXPR _height "0x${_heightHex}")
  if(NOT _signature STREQUAL "89504e470d0a1a0a" OR NOT _width EQUAL _side OR NOT _height EQUAL _side)
    list(APPEND _failures "${_png} is not a ${_side}x${_side} PNG (${_width}x${_height})")
  endif()
endforeach()

# The desktop entry starts the installed program and shows the installed icon.
set(_entry ${ROOT}/usr/share/applications/${_id}.desktop)
file(STRINGS ${_entry} _exec REGEX "^Exec=")
file(STRINGS ${_entry} _iconName REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*$" "\\1" _program "${_exec}")
string(REGEX REPLACE "^Icon=" "" _iconName "${_iconName}")
if(NOT EXISTS ${ROOT}/usr/bin/${_program})
  list(APPEND _failures "The desktop entry starts \"${_program}\", which is not in usr/bin")
endif()
if(NOT EXISTS ${ROOT}/usr/share/icons/hicolor/scalable/apps/${_iconName}.svg)
  list(APPEND _failures "The desktop entry's icon \"${_iconName}\" is not in the icon theme")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${_entry} RESULT_VARIABLE _status OUTPUT_VARIABLE _said ERROR_VARIABLE _said)
if(NOT _status EQUAL 0)
  list(APPEND _failures "desktop-file-validate: ${_said}")
endif()
# The metadata in the context of the tree: its desktop entry and icon must be found there.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --explain ${ROOT}
  RESULT_VARIABLE _status OUTPUT_VARIABLE _said ERROR_VARIABLE _said)
if(NOT _status EQUAL 0)
  list(APPEND _failures "appstreamcli validate-tree: ${_said}")
endif()

if(_failures)
  list(JOIN _failures "\n  " _report)
  message(FATAL_ERROR "The installation in ${ROOT} is not right:\n  ${_report}")
endif()
list(LENGTH _found _count)
message(STATUS "${_count} files installed as expected")
