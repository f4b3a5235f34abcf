# The form scaling kit: its arithmetic and placement rules in plain C++
# (no Qt), and the component that applies them to a Qt window.
add_library(termora_resizekit_rules STATIC
  ResizeKitScaling.cpp ResizeKitNames.cpp ResizeKitPlacement.cpp ResizeKitValidation.cpp)
target_include_directories(termora_resizekit_rules PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
termora_warnings(termora_resizekit_rules)

add_library(termora_resizekit STATIC ResizeKit.cpp ResizeKitControls.cpp)
target_link_libraries(termora_resizekit PUBLIC termora_resizekit_rules termora_platform Qt6::Widgets)
termora_warnings(termora_resizekit)
