# cmake -DFROM=<native bin> -DTO=<cross bin> -P CopyHostAssets.cmake
file(GLOB files ${FROM}/*.bmp ${FROM}/*.wav ${FROM}/kelvary.ico)
file(GLOB help_pictures ${FROM}/help/*.png)
file(MAKE_DIRECTORY ${TO}/help)
file(COPY ${files} DESTINATION ${TO})
if(help_pictures)
  file(COPY ${help_pictures} DESTINATION ${TO}/help)
endif()
