# Help and About texts, find and replace, the font command and printing: commands that
# work through the toolkit interface and the editor text, so they build and test without Qt.
add_library(trelvo_commands STATIC
    ${CMAKE_CURRENT_LIST_DIR}/search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_document.cpp
)
target_include_directories(trelvo_commands PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(trelvo_commands PUBLIC trelvo_text trelvo_toolkit_interface)
