# Database object: the Oracle translation with the script splitter, and the synonym rewriting.
velmora_fuzz(dialecto_oracle LIBS db)
velmora_fuzz(sinonimos LIBS db)
