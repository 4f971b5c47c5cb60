// Writes the example job: FOLDER/example.PRN and FOLDER/example.VCT.
#pragma once

// 0 when both files were written; else 1, with the reason on stderr.
int WriteExampleJob(const char* folder);
