# Installs the build into a scratch folder and has appstreamcli check the installed tree: the
# AppStream data must find the menu entry it launches under the name it gives.
#
#   cmake -DBUILD_DIR=... -DTREE=... -DAPPSTREAMCLI=... -P validate_installed_tree.cmake
file(REMOVE_RECURSE "${TREE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${TREE}/usr"
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${TREE}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed on the installed tree: ${result}")
endif()
