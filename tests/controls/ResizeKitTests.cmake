termora_gtest(resizekit_rules_test
  SOURCES ResizeKitScalingTest.cpp ResizeKitPlacementTest.cpp ResizeKitValidationTest.cpp
  LIBS termora_resizekit_rules)

termora_qtest(resizekit_test SOURCES ResizeKitTest.cpp LIBS termora_resizekit)
