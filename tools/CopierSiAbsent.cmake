# cmake -DSOURCE=a -DDESTINATION=b -P CopierSiAbsent.cmake: copies a to b only when b does not
# exist, so a catalogue the user has edited beside the program is kept.
if(NOT EXISTS "${DESTINATION}")
  get_filename_component(dossier "${DESTINATION}" DIRECTORY)
  file(MAKE_DIRECTORY "${dossier}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
