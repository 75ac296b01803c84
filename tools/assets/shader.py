"""The game's sprite program, written to data/shader.cg as it stands."""

SOURCE = """\
// The game's sprite program: positions arrive in screen coordinates already,
// so they pass through untransformed. The picture is tinted by the "color"
// parameter and by the vertex colour; its alpha drives the blending.

struct VertexOutput {
    float4 position : POSITION;
    float2 texCoord : TEXCOORD0;
    float4 color : COLOR0;
};

VertexOutput vsMain(float4 position : POSITION, float2 texCoord : TEXCOORD0,
                    float4 color : COLOR0)
{
    VertexOutput OUT;
    OUT.position = position;
    OUT.texCoord = texCoord;
    OUT.color = color;
    return OUT;
}

sampler2D texture;
float4 color;

float4 psMain(float2 texCoord : TEXCOORD0, float4 vertexColor : COLOR0) : COLOR
{
    return tex2D(texture, texCoord) * color * vertexColor;
}
"""
