#pragma once
// Which vector instructions the fast renderers use (the kernels and the choice between them are
// in PixelKernels.cpp). The choice is made once, from what the
// processor offers (AVX2 where it has it); a test or a measurement may force the plain path so
// that both are compared with the plain renderers on one machine. Both paths draw the same pixels.
namespace gloss {

enum class VectorPath {
  Plain,  // one pixel at a time, on every x86-64 processor
  Avx2,   // eight pixels at a time
};

// Whether this processor can run the path.
bool VectorPathSupported(VectorPath path);

// The path the renderers take from now on. Returns false, and changes nothing, when the
// processor cannot run it. Not for use while another thread draws.
bool UseVectorPath(VectorPath path);

// The path the renderers take now.
VectorPath ActiveVectorPath();

}  // namespace gloss
