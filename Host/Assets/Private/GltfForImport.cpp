#include "GltfForImport.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace
{
constexpr uint32_t GlbMagic = 0x46546C67; // "glTF"
constexpr uint32_t JsonChunk = 0x4E4F534A; // "JSON"
constexpr size_t GlbHeaderSize = 12;
constexpr size_t ChunkHeaderSize = 8;

uint32_t ReadU32(const std::string& Bytes, size_t At)
{
	uint32_t Value = 0;
	std::memcpy(&Value, Bytes.data() + At, sizeof(Value));
	return Value;
}

void AppendU32(std::string& Bytes, uint32_t Value)
{
	Bytes.append(reinterpret_cast<const char*>(&Value), sizeof(Value));
}

std::string Base64(const std::string& Data)
{
	static constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
	std::string Text;
	for (size_t At = 0; At < Data.size(); At += 3)
	{
		uint32_t Group = static_cast<uint8_t>(Data[At]) << 16;
		Group |= At + 1 < Data.size() ? static_cast<uint8_t>(Data[At + 1]) << 8 : 0;
		Group |= At + 2 < Data.size() ? static_cast<uint8_t>(Data[At + 2]) : 0;
		Text += Alphabet[(Group >> 18) & 63];
		Text += Alphabet[(Group >> 12) & 63];
		Text += At + 1 < Data.size() ? Alphabet[(Group >> 6) & 63] : '=';
		Text += At + 2 < Data.size() ? Alphabet[Group & 63] : '=';
	}
	return Text;
}

// One identity matrix per joint, in a buffer of its own carried inside the document.
void AddIdentityMatrices(nlohmann::json& Document, nlohmann::json& Skin)
{
	const size_t Joints = Skin["joints"].size();
	std::string Data;
	for (size_t Joint = 0; Joint < Joints; ++Joint)
	{
		for (int Element = 0; Element < 16; ++Element)
		{
			const float Value = Element % 5 == 0 ? 1.0f : 0.0f;
			Data.append(reinterpret_cast<const char*>(&Value), sizeof(Value));
		}
	}
	nlohmann::json& Buffers = Document["buffers"];
	Buffers.push_back({{"byteLength", Data.size()}, {"uri", "data:application/octet-stream;base64," + Base64(Data)}});
	nlohmann::json& Views = Document["bufferViews"];
	Views.push_back({{"buffer", Buffers.size() - 1}, {"byteOffset", 0}, {"byteLength", Data.size()}});
	nlohmann::json& Accessors = Document["accessors"];
	Accessors.push_back({{"bufferView", Views.size() - 1}, {"componentType", 5126}, {"count", Joints}, {"type", "MAT4"}});
	Skin["inverseBindMatrices"] = Accessors.size() - 1;
}

// Read from memory, a document has no folder of its own: its other files are named by full path.
void AnchorRelativeUris(nlohmann::json& Document, const std::filesystem::path& Folder)
{
	for (const char* Kind : {"buffers", "images"})
	{
		if (!Document.contains(Kind) || !Document[Kind].is_array())
		{
			continue;
		}
		for (nlohmann::json& Entry : Document[Kind])
		{
			if (Entry.is_object() && Entry.contains("uri") && Entry["uri"].is_string())
			{
				const std::string Uri = Entry["uri"];
				if (Uri.rfind("data:", 0) != 0 && std::filesystem::path(Uri).is_relative())
				{
					Entry["uri"] = (Folder / Uri).string();
				}
			}
		}
	}
}

bool SplitGlb(const std::string& Bytes, std::string& OutJson, std::string& OutRest)
{
	if (Bytes.size() < GlbHeaderSize + ChunkHeaderSize || ReadU32(Bytes, 0) != GlbMagic)
	{
		return false;
	}
	const size_t JsonLength = ReadU32(Bytes, GlbHeaderSize);
	if (ReadU32(Bytes, GlbHeaderSize + 4) != JsonChunk || JsonLength > Bytes.size() - GlbHeaderSize - ChunkHeaderSize)
	{
		return false;
	}
	OutJson = Bytes.substr(GlbHeaderSize + ChunkHeaderSize, JsonLength);
	OutRest = Bytes.substr(GlbHeaderSize + ChunkHeaderSize + JsonLength);
	return true;
}

std::string JoinGlb(const std::string& Bytes, std::string Json, const std::string& Rest)
{
	Json.append((4 - Json.size() % 4) % 4, ' ');
	std::string Result = Bytes.substr(0, 8);
	AppendU32(Result, static_cast<uint32_t>(GlbHeaderSize + ChunkHeaderSize + Json.size() + Rest.size()));
	AppendU32(Result, static_cast<uint32_t>(Json.size()));
	AppendU32(Result, JsonChunk);
	return Result + Json + Rest;
}

size_t SceneRootCount(const nlohmann::json& Document)
{
	const nlohmann::json* Scenes = Document.contains("scenes") ? &Document["scenes"] : nullptr;
	if (!Scenes || !Scenes->is_array() || Scenes->empty())
	{
		return 0;
	}
	const size_t Scene = Document.contains("scene") && Document["scene"].is_number_unsigned() ? Document["scene"].get<size_t>() : 0;
	if (Scene >= Scenes->size() || !(*Scenes)[Scene].is_object() || !(*Scenes)[Scene].contains("nodes"))
	{
		return 0;
	}
	const nlohmann::json& Nodes = (*Scenes)[Scene]["nodes"];
	return Nodes.is_array() ? Nodes.size() : 0;
}
}

FGltfForImport PrepareGltfForImport(const std::string& Path, bool bBinary)
{
	FGltfForImport Result;
	std::ifstream File(Path, std::ios::binary);
	const std::string Bytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
	std::string JsonText = Bytes;
	std::string Rest;
	if (bBinary && !SplitGlb(Bytes, JsonText, Rest))
	{
		return Result;
	}
	nlohmann::json Document = nlohmann::json::parse(JsonText, nullptr, false);
	if (!Document.is_object())
	{
		return Result;
	}
	Result.bLibraryAddsTopNode = SceneRootCount(Document) > 1;
	try
	{
		bool bMended = false;
		if (Document.contains("skins") && Document["skins"].is_array())
		{
			for (nlohmann::json& Skin : Document["skins"])
			{
				if (Skin.is_object() && !Skin.contains("inverseBindMatrices") && Skin.contains("joints") && Skin["joints"].is_array())
				{
					AddIdentityMatrices(Document, Skin);
					bMended = true;
				}
			}
		}
		if (bMended)
		{
			AnchorRelativeUris(Document, std::filesystem::absolute(Path).parent_path());
			const std::string Mended = Document.dump();
			Result.MendedBytes = bBinary ? JoinGlb(Bytes, Mended, Rest) : Mended;
		}
	}
	catch (const std::exception&)
	{
		// A document whose arrays are not arrays is the library's to reject, with its own reason.
		Result.MendedBytes.clear();
	}
	return Result;
}
