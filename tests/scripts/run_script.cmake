# Runs one script with meridax-cli run in a directory of its own and checks what it left. Arguments (-D):
#   CLI       the meridax-cli program
#   WORK      the directory the script runs in; the files of FILES are copied into it first, and the
#             data directory (APPDATA) is WORK/appdata, so backups go to WORK/appdata/Meridax/Backup
#   FILES     the folder of input files
#   SCRIPT    the script
#   EXPECTED  the file the transcript (standard output) must equal byte for byte
#   STATUS    the expected exit status (default 0)
#   PROFILE   an INI profile for --profile (optional)
#   PROTECT   files of WORK made read-only before the run, separated by "|"
#   OLD_BACKUPS  names of files put into the backup directory before the run, oldest first, "|"-separated
#   SAME      "WORK-file=expected-file" pairs, "|"-separated: each file must hold the expected bytes
#   BACKUPS   "regex=expected-file" pairs, "|"-separated: exactly one backup matches the regex and holds
#             the expected bytes
#   BACKUP_COUNT  the number of files the backup directory must hold afterwards
#   GONE      files of the backup directory that must be gone afterwards, "|"-separated

if(NOT STATUS)
  set(STATUS 0)
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/appdata")
file(GLOB inputs "${FILES}/*")
file(COPY ${inputs} DESTINATION "${WORK}")
set(backup_dir "${WORK}/appdata/Meridax/Backup")

string(REPLACE "|" ";" protect "${PROTECT}")
foreach(name ${protect})
  file(CHMOD "${WORK}/${name}" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
endforeach()

string(REPLACE "|" ";" old_backups "${OLD_BACKUPS}")
set(day 1)
foreach(name ${old_backups})
  file(MAKE_DIRECTORY "${backup_dir}")
  file(WRITE "${backup_dir}/${name}" "old backup ${day}\n")
  execute_process(COMMAND touch -d "2020-01-0${day} 12:00:00" "${backup_dir}/${name}" RESULT_VARIABLE touched)
  if(touched)
    message(FATAL_ERROR "cannot date ${backup_dir}/${name}")
  endif()
  math(EXPR day "${day} + 1")
endforeach()

set(arguments run "${SCRIPT}")
if(PROFILE)
  list(APPEND arguments --profile "${PROFILE}")
endif()
set(ENV{APPDATA} "${WORK}/appdata")
execute_process(COMMAND "${CLI}" ${arguments}
                WORKING_DIRECTORY "${WORK}"
                OUTPUT_FILE "${WORK}/transcript.txt"
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status STREQUAL "${STATUS}")
  file(READ "${WORK}/transcript.txt" transcript)
  message(FATAL_ERROR "meridax-cli ${arguments}\nexit status ${status}, expected ${STATUS}\n${errors}\n--- transcript ---\n${transcript}")
endif()

# The two files must hold the same bytes; otherwise both are shown.
function(expect_same_file actual expected)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${expected}" RESULT_VARIABLE different)
  if(different)
    file(READ "${actual}" actual_text)
    file(READ "${expected}" expected_text)
    message(FATAL_ERROR "${actual} differs from ${expected}\n--- actual ---\n${actual_text}\n--- expected ---\n${expected_text}")
  endif()
endfunction()

expect_same_file("${WORK}/transcript.txt" "${EXPECTED}")

string(REPLACE "|" ";" same "${SAME}")
foreach(pair ${same})
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 actual)
  list(GET parts 1 expected)
  expect_same_file("${WORK}/${actual}" "${expected}")
endforeach()

file(GLOB backups RELATIVE "${backup_dir}" "${backup_dir}/*")
string(REPLACE "|" ";" backup_checks "${BACKUPS}")
foreach(pair ${backup_checks})
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 pattern)
  list(GET parts 1 expected)
  set(found "")
  foreach(name ${backups})
    if(name MATCHES "^${pattern}$")
      list(APPEND found "${name}")
    endif()
  endforeach()
  list(LENGTH found count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${count} backups match '${pattern}' in ${backup_dir}: ${backups}")
  endif()
  expect_same_file("${backup_dir}/${found}" "${expected}")
endforeach()

if(DEFINED BACKUP_COUNT)
  list(LENGTH backups count)
  if(NOT count EQUAL BACKUP_COUNT)
    message(FATAL_ERROR "${count} files in ${backup_dir}, expected ${BACKUP_COUNT}: ${backups}")
  endif()
endif()

string(REPLACE "|" ";" gone "${GONE}")
foreach(name ${gone})
  if(EXISTS "${backup_dir}/${name}")
    message(FATAL_ERROR "${backup_dir}/${name} should have been pruned")
  endif()
endforeach()
