# cmake -DINSTALLER=... -DREMOVER=... -DREADME=... -DOUT=DIR -P MakeKit.cmake
# Makes DIR/quillora-kit/ (installer.exe, the remover as _isdel.qlr, README.txt with Windows line
# endings) and DIR/quillora-kit.zip holding that folder. Nothing of an earlier kit is kept.
#
# Signing: when the environment variable QLR_SIGN_PKCS12 names a PKCS#12 file, both programs are
# signed with Authenticode (osslsigncode, SHA-256) on their way into the kit, with the password
# from QLR_SIGN_PASSWORD and, when QLR_SIGN_TIMESTAMP_URL is set, a time stamp from that RFC 3161
# server. A failed signing fails the kit and leaves none behind. The build's own programs stay
# unsigned, so that two builds can still be compared byte for byte.
cmake_minimum_required(VERSION 3.21)
foreach(var INSTALLER REMOVER README OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MakeKit.cmake needs -D${var}=...")
  endif()
endforeach()

set(name quillora-kit)
set(folder ${OUT}/${name})
set(zip ${OUT}/${name}.zip)
file(REMOVE_RECURSE ${folder} ${zip})
file(MAKE_DIRECTORY ${folder})

# Signs `source` into the kit as `target`; the password reaches osslsigncode through a file only
# its owner can read, never on a command line.
function(qlr_sign source target description)
  find_program(OSSLSIGNCODE osslsigncode)
  if(NOT OSSLSIGNCODE)
    file(REMOVE_RECURSE ${folder})
    message(FATAL_ERROR "kit: QLR_SIGN_PKCS12 is set, but osslsigncode is not installed")
  endif()
  set(args sign -pkcs12 $ENV{QLR_SIGN_PKCS12} -h sha256 -n ${description})
  set(pass ${OUT}/signing-password)
  file(REMOVE ${pass})
  if(NOT "$ENV{QLR_SIGN_PASSWORD}" STREQUAL "")
    file(TOUCH ${pass})
    file(CHMOD ${pass} PERMISSIONS OWNER_READ OWNER_WRITE)
    file(WRITE ${pass} "$ENV{QLR_SIGN_PASSWORD}")
    list(APPEND args -readpass ${pass})
  endif()
  if(NOT "$ENV{QLR_SIGN_TIMESTAMP_URL}" STREQUAL "")
    list(APPEND args -ts $ENV{QLR_SIGN_TIMESTAMP_URL})
  endif()
  execute_process(COMMAND ${OSSLSIGNCODE} ${args} -in ${source} -out ${folder}/${target}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  file(REMOVE ${pass})
  if(NOT status EQUAL 0)
    file(REMOVE_RECURSE ${folder})
    message(FATAL_ERROR "kit: signing ${target} failed (osslsigncode status ${status}):\n${output}")
  endif()
endfunction()

if(NOT "$ENV{QLR_SIGN_PKCS12}" STREQUAL "")
  qlr_sign(${INSTALLER} installer.exe "Quillora Installer")
  qlr_sign(${REMOVER} _isdel.qlr "QLR Remover")
  message(STATUS "kit: installer.exe and _isdel.qlr signed with $ENV{QLR_SIGN_PKCS12}")
else()
  file(COPY_FILE ${INSTALLER} ${folder}/installer.exe)
  file(COPY_FILE ${REMOVER} ${folder}/_isdel.qlr)
  message(STATUS "kit: NOT signed (no certificate: QLR_SIGN_PKCS12 and QLR_SIGN_PASSWORD unset)")
endif()
configure_file(${README} ${folder}/README.txt @ONLY NEWLINE_STYLE CRLF)

# A fixed time and order for the archive's entries: the same programs give the same zip.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "--mtime=2000-01-01 00:00:00 UTC"
    ${name}/README.txt ${name}/_isdel.qlr ${name}/installer.exe
  WORKING_DIRECTORY ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kit: making ${zip} failed")
endif()
message(STATUS "kit: ${folder}/ and ${zip}")
