#pragma once

// Fills `image` (one whole configuration image) with the factory defaults.
void fill_default_image(unsigned char *image);

// Fills one 290-byte preset record with the factory preset of slot `i`
// (0..269): its name carries the slot's number.
void fill_default_preset(unsigned char *record, int i);
