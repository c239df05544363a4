// d88ls: lists the disk images of a D88 file and the sector records of
// their tracks.
#include <cstdio>

#include "d88/console.h"
#include "d88/d88_image.h"
#include "d88ls/listing.h"

int main(int argc, char** argv) {
  D88Image image;
  if (!console::openArgument(image, argc, argv, "Usage: d88ls [d88file]\n")) {
    return 1;
  }
  listing::printListing(image, stdout);
  return console::finishStdout() ? 0 : 1;
}
