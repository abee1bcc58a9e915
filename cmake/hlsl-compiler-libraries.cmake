# BRENNWICK_HLSL_COMPILER_LIBRARIES: what a program that compiles HLSL through
# shaderc links. Debian's libshaderc_combined.a leaves glslang and SPIRV-Tools
# out, and glslang's own split differs between releases (older ones have
# separate SPIRV and HLSL libraries, newer ones fold them into glslang), so
# take whichever of its targets this glslang exports.
find_package(Threads REQUIRED)
find_package(glslang CONFIG REQUIRED)

set(BRENNWICK_HLSL_COMPILER_LIBRARIES shaderc_combined)
foreach(part glslang SPIRV HLSL glslang-default-resource-limits)
    if(TARGET glslang::${part})
        list(APPEND BRENNWICK_HLSL_COMPILER_LIBRARIES glslang::${part})
    endif()
endforeach()
list(APPEND BRENNWICK_HLSL_COMPILER_LIBRARIES SPIRV-Tools-opt SPIRV-Tools Threads::Threads)
