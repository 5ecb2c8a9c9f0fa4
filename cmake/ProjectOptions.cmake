# One INTERFACE target that every library, test and tool links: language level, warnings,
# strict Qt defines and, on request, sanitizers: AddressSanitizer with UndefinedBehaviorSanitizer, or
# ThreadSanitizer, which cannot share a process with AddressSanitizer.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(project_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
target_compile_definitions(project_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS QT_NO_CONTEXTLESS_CONNECT)
if(ENABLE_WERROR)
  target_compile_options(project_options INTERFACE -Werror)
endif()
if(ENABLE_SANITIZERS)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()
if(ENABLE_TSAN)
  if(ENABLE_SANITIZERS)
    message(FATAL_ERROR "ENABLE_TSAN and ENABLE_SANITIZERS cannot be combined")
  endif()
  target_compile_options(project_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=thread)
endif()
