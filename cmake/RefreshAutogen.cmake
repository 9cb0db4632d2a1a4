# Ninja reruns moc for a target only when a file it already knew about changed, so a source added since the last
# build (a new header with Q_OBJECT, a test that includes its own .moc) would never be seen. The source globs are
# evaluated again at every build; when a target's list differs from the last one, this removes the target's moc
# timestamp, so moc looks at every source once more.
function(quellarine_refresh_autogen target)
  get_target_property(_sources ${target} SOURCES)
  get_target_property(_binary_dir ${target} BINARY_DIR)
  set(_record ${_binary_dir}/${target}_sources.txt)
  set(_previous "")
  if(EXISTS ${_record})
    file(READ ${_record} _previous)
  endif()
  if(NOT _previous STREQUAL "${_sources}")
    file(REMOVE ${_binary_dir}/${target}_autogen/timestamp)
    file(WRITE ${_record} "${_sources}")
  endif()
endfunction()
