# nlohmann/json is header-only and Debian installs it for the host alone. The
# cross compilers must not search the host's /usr/include (its C library
# headers would stand in for MinGW's), so each build tree gets an include
# folder that holds only a link to the nlohmann folder, and every compiler
# searches just that.
find_path(NLOHMANN_JSON_INCLUDE_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(ROSTERLOOM_JSON_DIR ${CMAKE_BINARY_DIR}/third_party/include)
file(MAKE_DIRECTORY ${ROSTERLOOM_JSON_DIR})
file(CREATE_LINK ${NLOHMANN_JSON_INCLUDE_DIR}/nlohmann ${ROSTERLOOM_JSON_DIR}/nlohmann SYMBOLIC)
add_library(rosterloom_json INTERFACE)
target_include_directories(rosterloom_json SYSTEM INTERFACE ${ROSTERLOOM_JSON_DIR})
