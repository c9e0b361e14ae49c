# Umlauts reach Windows as single Windows-1252 bytes, from code and from resources.
plauderix_test(test_encoding SOURCES test_encoding.cpp fixtures/encoding.rc)
