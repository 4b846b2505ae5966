# GoogleTest and Boost.Multiprecision for every test folder: GTEST_MAIN is
# the library to link, BOOST_ONLY the include folder with Boost's headers.
if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest's sources; build them with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(GTEST_MAIN gtest_main)
  # Boost.Multiprecision is header-only; give the cross compiler the Boost
  # headers alone, not the host's whole include folder.
  set(BOOST_ONLY ${CMAKE_BINARY_DIR}/boost-include)
  file(MAKE_DIRECTORY ${BOOST_ONLY})
  file(CREATE_LINK /usr/include/boost ${BOOST_ONLY}/boost SYMBOLIC)
else()
  find_package(GTest REQUIRED)
  find_package(Boost REQUIRED)
  set(GTEST_MAIN GTest::gtest_main)
  set(BOOST_ONLY ${Boost_INCLUDE_DIRS})
endif()
