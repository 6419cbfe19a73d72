# The program folder: the programs side by side with the data set they work
# on. The data set is laid out once; a carnival already in the folder is never
# overwritten. The help pages are always brought up to date.
set(OSTRIVALE_DATASET "${CMAKE_SOURCE_DIR}/dataset")

install(DIRECTORY "${OSTRIVALE_DATASET}/help" DESTINATION .)

install(CODE "
  set(dataset \"${OSTRIVALE_DATASET}\")
  set(target \"\${CMAKE_INSTALL_PREFIX}\")
  if(EXISTS \"\${target}/data/carnival.dat\")
    message(STATUS \"Keeping the carnival already in \${target}/data\")
  else()
    foreach(top data \"pristine data\")
      file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE \"\${dataset}\" \"\${dataset}/\${top}/*\")
      file(MAKE_DIRECTORY \"\${target}/\${top}\")
      foreach(entry IN LISTS entries)
        get_filename_component(name \"\${entry}\" NAME)
        if(IS_DIRECTORY \"\${dataset}/\${entry}\")
          file(MAKE_DIRECTORY \"\${target}/\${entry}\")
        elseif(NOT name STREQUAL \".gitkeep\")
          get_filename_component(folder \"\${target}/\${entry}\" DIRECTORY)
          file(COPY \"\${dataset}/\${entry}\" DESTINATION \"\${folder}\")
        endif()
      endforeach()
    endforeach()
    message(STATUS \"Installed the starting data set in \${target}\")
  endif()
")
