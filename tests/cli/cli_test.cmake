# Runs one meridax-cli test. Arguments (-D):
#   CLI      the meridax-cli program
#   WORK     a directory of its own for the files the test writes
#   MODE     output | save_same | save_fixpoint | save_is_rewrite | rewrite_fixpoint | moves_kept
#   ARGS     output: the arguments, separated by "|"
#   EXPECTED output: the file the standard output must equal byte for byte (optional)
#   STATUS   output: the expected exit status (default 0)
#   INPUT    the other modes: the SGF file to start from
#   DATA     the folder the program runs in (file names in messages are relative to it)

if(NOT STATUS)
  set(STATUS 0)
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Runs the program; the exit status must be `expected`. Standard output goes to the file `stdout`.
function(run_cli expected stdout)
  set(arguments ${ARGN})
  execute_process(COMMAND "${CLI}" ${arguments}
                  WORKING_DIRECTORY "${DATA}"
                  OUTPUT_FILE "${stdout}"
                  ERROR_VARIABLE errors
                  RESULT_VARIABLE status)
  if(NOT status STREQUAL "${expected}")
    message(FATAL_ERROR "meridax-cli ${arguments}\nexit status ${status}, expected ${expected}\n${errors}")
  endif()
endfunction()

# The two files must hold the same bytes; otherwise both are shown.
function(expect_same_file actual expected)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${expected}" RESULT_VARIABLE different)
  if(different)
    file(READ "${actual}" actual_text)
    file(READ "${expected}" expected_text)
    message(FATAL_ERROR "${actual} differs from ${expected}\n--- actual ---\n${actual_text}\n--- expected ---\n${expected_text}")
  endif()
endfunction()

if(MODE STREQUAL "output")
  string(REPLACE "|" ";" arguments "${ARGS}")
  run_cli(${STATUS} "${WORK}/stdout.txt" ${arguments})
  if(EXPECTED)
    expect_same_file("${WORK}/stdout.txt" "${EXPECTED}")
  endif()
elseif(MODE STREQUAL "save_same")
  run_cli(0 "${WORK}/stdout.txt" save "${INPUT}" -o "${WORK}/saved.sgf")
  expect_same_file("${WORK}/saved.sgf" "${INPUT}")
elseif(MODE STREQUAL "save_fixpoint")
  run_cli(0 "${WORK}/stdout.txt" save "${INPUT}" -o "${WORK}/once.sgf")
  run_cli(0 "${WORK}/stdout.txt" save "${WORK}/once.sgf" -o "${WORK}/twice.sgf")
  expect_same_file("${WORK}/twice.sgf" "${WORK}/once.sgf")
elseif(MODE STREQUAL "save_is_rewrite")
  run_cli(0 "${WORK}/stdout.txt" save "${INPUT}" -o "${WORK}/saved.sgf")
  run_cli(0 "${WORK}/stdout.txt" rewrite "${INPUT}" -o "${WORK}/rewritten.sgf")
  expect_same_file("${WORK}/saved.sgf" "${WORK}/rewritten.sgf")
elseif(MODE STREQUAL "rewrite_fixpoint")
  run_cli(0 "${WORK}/stdout.txt" rewrite "${INPUT}" -o "${WORK}/once.sgf")
  run_cli(0 "${WORK}/stdout.txt" rewrite "${WORK}/once.sgf" -o "${WORK}/twice.sgf")
  expect_same_file("${WORK}/twice.sgf" "${WORK}/once.sgf")
elseif(MODE STREQUAL "moves_kept")
  run_cli(0 "${WORK}/before.txt" moves "${INPUT}")
  run_cli(0 "${WORK}/stdout.txt" rewrite "${INPUT}" -o "${WORK}/rewritten.sgf")
  run_cli(0 "${WORK}/after.txt" moves "${WORK}/rewritten.sgf")
  file(SIZE "${WORK}/before.txt" before_size)
  if(before_size EQUAL 0)
    message(FATAL_ERROR "moves wrote nothing for ${INPUT}")
  endif()
  expect_same_file("${WORK}/after.txt" "${WORK}/before.txt")
else()
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
