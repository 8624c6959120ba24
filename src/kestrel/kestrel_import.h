#pragma once

// Carries a Kestrel user's setup over to the Vektor: every field the two
// controllers share is copied from `kestrel` (a whole Kestrel image) into
// `image` (a whole Vektor image), the Vektor-only fields get fixed values,
// and presets the Kestrel does not have (180 and up) are left alone. Writes
// its trace to standard output.
void import_kestrel_image(const unsigned char *kestrel, unsigned char *image);

// The same import without its trace: what an import would make, shown
// before the user chooses to import.
void preview_kestrel_import(const unsigned char *kestrel, unsigned char *image);
