# Runs the built tool on files made here and checks exit statuses and outputs.
# Usage: cmake -DTAVO_CLI=<tool> -DWORK_DIR=<scratch folder> -P cli_end_to_end.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(expect_run status)
  execute_process(COMMAND ${TAVO_CLI} ${ARGN} RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT got STREQUAL status)
    message(FATAL_ERROR "tavo-cli ${ARGN}: exit ${got}, expected ${status}\n${out}${err}")
  endif()
  set(last_output "${out}${err}" PARENT_SCOPE)
endfunction()

file(WRITE ${WORK_DIR}/script.json [=[
{
  "settings": {"keyword": "Game", "minWidth": 400, "minHeight": 300, "windowCount": 1, "windowKind": "flash"},
  "records": [
    {"NodeKey": "L1", "NodeText": "Open", "LocationX": 12, "Locationy": 34},
    {"NodeKey": "L2", "NodeParent": "L1", "NodeText": "中文", "pChar": "{ENTER}", "pYesNext": "L1"}
  ]
}
]=])

expect_run(0 convert ${WORK_DIR}/script.json ${WORK_DIR}/script.gmx)
file(SIZE ${WORK_DIR}/script.gmx size)
if(NOT size EQUAL 426)
  message(FATAL_ERROR "script.gmx has ${size} bytes, expected 3 blocks of 142")
endif()
expect_run(0 check ${WORK_DIR}/script.gmx)
expect_run(0 dump ${WORK_DIR}/script.gmx)
if(NOT last_output MATCHES "\n    L2 \"中文\"  icon 12")
  message(FATAL_ERROR "dump does not show L2 under L1:\n${last_output}")
endif()
expect_run(0 dump --json ${WORK_DIR}/script.gmx)

# .gmx → JSON → .gmx gives the same bytes.
expect_run(0 convert ${WORK_DIR}/script.gmx ${WORK_DIR}/again.JSON)
expect_run(0 convert ${WORK_DIR}/again.JSON ${WORK_DIR}/again.gmx)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/script.gmx ${WORK_DIR}/again.gmx
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "script.gmx changed on its way through JSON")
endif()

# A file with problems, bad JSON and bad usage.
file(WRITE ${WORK_DIR}/orphan.json [=[{"records": [{"NodeKey": "L2", "NodeParent": "L1", "pChar": "x"}]}]=])
expect_run(0 convert ${WORK_DIR}/orphan.json ${WORK_DIR}/orphan.gmx)
expect_run(1 check ${WORK_DIR}/orphan.gmx)
file(WRITE ${WORK_DIR}/bad.json [=[{"records": [{"pChar": 5}]}]=])
expect_run(1 convert ${WORK_DIR}/bad.json ${WORK_DIR}/bad.gmx)
if(EXISTS ${WORK_DIR}/bad.gmx)
  message(FATAL_ERROR "a refused conversion left bad.gmx behind")
endif()
expect_run(2 check ${WORK_DIR}/absent.gmx)
expect_run(2)
expect_run(2 convert ${WORK_DIR}/script.gmx)
expect_run(2 frobnicate)
expect_run(0 --help)

# keys: natively the scan codes come from the built-in US table (ENTER is 0x1C).
expect_run(0 keys "a/*ctrl+c*/" --delay 250)
set(expected_keys [=[WM_CHAR       wParam 0x00000061 lParam 0x00000001
keybd_event   key 0x11 scan 0x1D press
WM_KEYDOWN    wParam 0x00000043 lParam 0x002E0001
sleep 250
WM_KEYUP      wParam 0x00000043 lParam 0xC02E0001
WM_KEYUP      wParam 0x00000043 lParam 0xC02E0001
keybd_event   key 0x11 scan 0x1D release
WM_KEYDOWN    wParam 0x0000000D lParam 0x001C0001
sleep 100
WM_KEYUP      wParam 0x0000000D lParam 0xC01C0001
WM_KEYUP      wParam 0x0000000D lParam 0xC01C0001
]=])
if(NOT last_output STREQUAL expected_keys)
  message(FATAL_ERROR "keys printed:\n${last_output}")
endif()
expect_run(2 keys)
expect_run(2 keys abc --delay 40000)

# fingerprint: unreadable input and bad arguments.
file(WRITE ${WORK_DIR}/not.bmp "this is no image")
expect_run(2 fingerprint ${WORK_DIR}/not.bmp 10 -10)
if(NOT last_output MATCHES "not a BMP file")
  message(FATAL_ERROR "fingerprint on a text file said:\n${last_output}")
endif()
expect_run(2 fingerprint ${WORK_DIR}/absent.bmp 10 10)
expect_run(2 fingerprint ${WORK_DIR}/not.bmp 10 10 --against 0101)
expect_run(2 fingerprint ${WORK_DIR}/not.bmp 10)
