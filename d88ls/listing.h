// What a D88 file holds, as text: one line per catalogued image, then one
// line per track that lists at least one record.
#ifndef D88LS_LISTING_H_
#define D88LS_LISTING_H_

#include <cstdio>

class D88Image;

namespace listing {

// Writes the listing of the images of `image` (opened) to `out`. Track lines
// show the records' identifiers in stored order, as "C0 H0 R1-16 N1" where
// they run on from one R to the next with one C, H and N, otherwise one
// "C/H/R/N" each; a '*' marks C or H other than the track index implies.
void printListing(D88Image& image, std::FILE* out);

}  // namespace listing

#endif  // D88LS_LISTING_H_
