# SPDX-License-Identifier: GPL-3.0-or-later
# Warning flags for every target of the project (Qt's headers come in as system headers).
add_compile_options(-Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
if(QUORVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(QUORVANE_SANITIZE)
  # Undefined behaviour stops the program, so that a test meeting it fails.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
