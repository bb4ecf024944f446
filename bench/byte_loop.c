/* The yardstick for opening and saving a collection: one read of the file, one pass over every byte
 * counting the games' brackets, one write of the bytes to the output. Usage: byte_loop IN OUT */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  FILE* in = fopen(argv[1], "rb");
  if (in == NULL) return 2;
  fseek(in, 0, SEEK_END);
  const long size = ftell(in);
  fseek(in, 0, SEEK_SET);
  unsigned char* bytes = malloc((size_t)size + 1);
  if (bytes == NULL || fread(bytes, 1, (size_t)size, in) != (size_t)size) return 2;
  fclose(in);
  long open = 0, close = 0;
  for (long i = 0; i < size; ++i) {
    open += bytes[i] == '(';
    close += bytes[i] == ')';
  }
  FILE* out = fopen(argv[2], "wb");
  if (out == NULL || fwrite(bytes, 1, (size_t)size, out) != (size_t)size || fclose(out) != 0) return 2;
  printf("%ld %ld\n", open, close);
  free(bytes);
  return 0;
}
