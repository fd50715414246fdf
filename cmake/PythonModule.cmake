# Whether to build the torvik Python module (python/): on by default when
# pybind11 and Python 3's development files are found, off otherwise and in
# the sanitizer and fuzzing builds, whose instrumented code an ordinary
# Python interpreter cannot load. The module is built for the system's
# Python 3 (/usr/bin/python3, where Debian's python3-dev, python3-numpy and
# python3-pytest belong) unless -DPython3_EXECUTABLE names another.
if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3)
endif()
find_package(Python3 3.8 QUIET COMPONENTS Interpreter Development.Module)
if(Python3_FOUND)
  # After Python3, so that pybind11 uses the interpreter found above.
  find_package(pybind11 2.6 CONFIG QUIET)
endif()

set(torvik_python_default OFF)
if(NOT Python3_FOUND)
  set(torvik_python_why "Python 3 with its development files (Debian: python3-dev) not found")
elseif(NOT pybind11_FOUND)
  set(torvik_python_why "pybind11 (Debian: pybind11-dev) not found")
elseif(TORVIK_SANITIZE OR TORVIK_BUILD_FUZZ)
  set(torvik_python_why "not in a sanitizer or fuzzing build")
else()
  set(torvik_python_default ON)
endif()
option(TORVIK_BUILD_PYTHON "Build the torvik Python module (needs pybind11 and Python 3's development files)"
       ${torvik_python_default})

if(TORVIK_BUILD_PYTHON)
  if(NOT Python3_FOUND OR NOT pybind11_FOUND)
    message(FATAL_ERROR "TORVIK_BUILD_PYTHON is on, but ${torvik_python_why}")
  endif()
  message(STATUS "Python module: built for ${Python3_EXECUTABLE} (Python ${Python3_VERSION}, pybind11 ${pybind11_VERSION})")
elseif(torvik_python_default)
  message(STATUS "Python module: not built (TORVIK_BUILD_PYTHON is off)")
else()
  message(STATUS "Python module: not built (${torvik_python_why})")
endif()
