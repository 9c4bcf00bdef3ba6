// Figures of the print preview engine: recording, memory held and printing.
#pragma once

namespace natalo::bench {

void BenchPreview();

}  // namespace natalo::bench
