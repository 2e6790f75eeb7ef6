# Compared with Qt's own text layout, so it needs the Qt modules.
if(TARGET lumaro_platform)
  lumaro_benchmark(text_layout DEPS report platform LIBS Qt6::Gui)
endif()
