velmora_fuzz(parametros LIBS shell)
