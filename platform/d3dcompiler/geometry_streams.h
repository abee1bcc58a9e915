// A geometry shader that writes several streams. glslang declares every
// stream's outputs but writes each Append to one stream's, so the entry is
// given one stream of a structure holding all of them: stream 0's element
// whole, each later stream's members renamed and given the semantic
// "BRENNWICK_S<k>_<semantic>", and a marker member (BRENNWICK_STREAM) that
// each Append sets to its stream. `sK.Append(v)` becomes a call that fills
// stream K's members and the marker and appends; `sK.RestartStrip()` goes
// (several streams are all PointStreams, where strips do not exist).
// SeparateGeometryStreams (spirv_geometry_streams.h) then turns the marked
// emits into emits of their streams. A function the entry passes a stream to
// (its one stream parameter used only to append, restart and pass on to such
// a function) is replaced by a copy per stream passed, each writing its
// stream of the merged one. An entry whose streams are used otherwise (two
// to one call), or whose later streams' elements are not plain structures,
// is left as is.
#pragma once

#include <string>

namespace d3dcompiler_standin {

// `source` with `entryPoint` rewritten as above where it has several stream
// parameters, else `source` itself. Made on the text glslang compiles, after
// the checks and warnings have read the source as written.
std::string MergeGeometryStreams(const std::string& source, const std::string& entryPoint);

} // namespace d3dcompiler_standin
