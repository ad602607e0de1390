# Database object: the Oracle translation with the script splitter, and the synonym rewriting.
velmora_fuzz(dialecto_oracle LIBS db)
velmora_fuzz(sinonimos LIBS db)

# The fuzz targets only learn from code built with coverage: instrument the library under test,
# and check it with the same sanitizers, in the fuzz build only.
if(VELMORA_FUZZ)
  target_compile_options(db PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endif()
