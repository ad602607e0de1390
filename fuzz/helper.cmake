velmora_fuzz(ini LIBS helper)
