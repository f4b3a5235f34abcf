termora_gtest(resizekit_rules_test
  SOURCES ResizeKitScalingTest.cpp ResizeKitPlacementTest.cpp ResizeKitValidationTest.cpp
  LIBS termora_resizekit_rules)
