# Strict warnings for our own targets; CI turns them into errors.
function(termora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                         -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wformat=2)
  if(TERMORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
