# Natalo's version stamp and packages.
#
# natalo_version_header(VERSION FOLDER) writes FOLDER/natalo_version.h for a version
# major.minor.build, which the version resource and the program read. Windows Installer
# takes at most 255.255.65535.
function(natalo_version_header version folder)
    string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" matched "${version}")
    if(NOT matched OR CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255
       OR CMAKE_MATCH_3 GREATER 65535)
        message(FATAL_ERROR "A Natalo version is major.minor.build, at most 255.255.65535, "
                            "not \"${version}\"")
    endif()
    set(NATALO_VERSION_MAJOR ${CMAKE_MATCH_1})
    set(NATALO_VERSION_MINOR ${CMAKE_MATCH_2})
    set(NATALO_VERSION_BUILD ${CMAKE_MATCH_3})
    set(NATALO_VERSION_TEXT ${version})
    configure_file(${PROJECT_SOURCE_DIR}/res/natalo_version.h.in ${folder}/natalo_version.h @ONLY)
endfunction()

# natalo_executable(TARGET VERSION) builds natalo.exe's sources as TARGET, its version
# resource stamped with VERSION.
function(natalo_executable target version)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}-version)
    natalo_version_header(${version} ${folder})
    add_executable(${target} WIN32 ${PROJECT_SOURCE_DIR}/src/app/main.cpp
        ${PROJECT_SOURCE_DIR}/res/natalo.rc)
    target_include_directories(${target} PRIVATE ${folder} ${PROJECT_SOURCE_DIR}/res)
    # windres leaves no list of the headers it read: the resource names the one that changes.
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/res/natalo.rc APPEND PROPERTY
        OBJECT_DEPENDS ${folder}/natalo_version.h)
    target_link_libraries(${target} PRIVATE natalo_win)
endfunction()

# natalo_packages(TARGET EXECUTABLE VERSION FOLDER [ALL]) makes a target that writes
# natalo-VERSION-x64.msi and natalo-VERSION-x64.zip of the executable target into FOLDER.
function(natalo_packages target executable version folder)
    set(packages ${folder}/natalo-${version}-x64.msi ${folder}/natalo-${version}-x64.zip)
    add_custom_command(OUTPUT ${packages}
        COMMAND ${PROJECT_SOURCE_DIR}/package/make-packages $<TARGET_FILE:${executable}>
                ${version} ${folder}
        DEPENDS ${executable} ${PROJECT_SOURCE_DIR}/package/make-packages
                ${PROJECT_SOURCE_DIR}/package/natalo.wxs ${PROJECT_SOURCE_DIR}/package/README.txt
                ${PROJECT_SOURCE_DIR}/res/natalo.ico
        COMMENT "Packing natalo ${version}"
        VERBATIM)
    add_custom_target(${target} ${ARGN} DEPENDS ${packages})
endfunction()
