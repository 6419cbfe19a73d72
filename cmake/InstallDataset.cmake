# The program folder: the programs side by side with the data set they work
# on. The data set is laid out once; a carnival already in the folder is never
# overwritten. The help pages are always brought up to date.
set(OSTRIVALE_DATASET "${CMAKE_SOURCE_DIR}/dataset")

# The empty folders of the templates, which the repository cannot hold: the
# results folder and the six age-group folders of each carnival type.
set(OSTRIVALE_EMPTY_TEMPLATE_FOLDERS)
foreach(type athletics swimming)
  list(APPEND OSTRIVALE_EMPTY_TEMPLATE_FOLDERS "pristine data/${type}/events")
  foreach(age 12 13 14 15 16 17+)
    list(APPEND OSTRIVALE_EMPTY_TEMPLATE_FOLDERS "pristine data/${type}/individuals/${age}")
  endforeach()
endforeach()

install(DIRECTORY "${OSTRIVALE_DATASET}/help" DESTINATION .)

install(CODE "
  set(dataset \"${OSTRIVALE_DATASET}\")
  set(empty_folders \"${OSTRIVALE_EMPTY_TEMPLATE_FOLDERS}\")
  set(target \"\${CMAKE_INSTALL_PREFIX}\")
  if(EXISTS \"\${target}/data/carnival.dat\")
    message(STATUS \"Keeping the carnival already in \${target}/data\")
  else()
    foreach(top data \"pristine data\")
      file(COPY \"\${dataset}/\${top}\" DESTINATION \"\${target}\")
    endforeach()
    foreach(folder IN LISTS empty_folders)
      file(MAKE_DIRECTORY \"\${target}/\${folder}\")
    endforeach()
    message(STATUS \"Installed the starting data set in \${target}\")
  endif()
")
