#pragma once
// A glTF file as the import library is given it. The library ends the process on a valid skin
// without inverse bind matrices (optional in glTF 2.0, identity when absent), so such a skin gets
// its identity matrices written out before the library reads the file. And when the default
// scene has several root nodes the library adds a top node of its own, named "ROOT", which a
// joint of that name must not be confused with.
#include <string>

struct FGltfForImport
{
	/** The file with the missing matrices added; empty when the file can be read as it is. */
	std::string MendedBytes;
	/** The default scene has more than one root node: the library's top node is its own. */
	bool bLibraryAddsTopNode = false;
};

/** Reads Path (.gltf text or .glb binary); a file it cannot make sense of is left to the library. */
FGltfForImport PrepareGltfForImport(const std::string& Path, bool bBinary);
