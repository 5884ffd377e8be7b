# Fails the build when the program imports a DLL it loads on first use
# (src/win32/DeferredDlls.h): a copy that only finds the running one
# and ends would map it, and its dependencies, for nothing.
#   cmake -DOBJDUMP=<objdump> -DEXE=<program> -P CheckImports.cmake
cmake_minimum_required(VERSION 3.20)
set(PEL_DEFERRED_DLLS shell32.dll ole32.dll comdlg32.dll comctl32.dll oleacc.dll oleaut32.dll)

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot read the import table of ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(dll IN_LIST PEL_DEFERRED_DLLS)
    message(FATAL_ERROR "${EXE} imports ${dll}; call its functions through "
                        "src/win32/DeferredDlls.h instead")
  endif()
endforeach()
