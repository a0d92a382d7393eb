#pragma once
// Registers the two layouts of the project window (templates 152 and 149).
void RegistriereKelvoView1Vorlagen();
