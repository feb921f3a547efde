[EffectList]
EffectName=wave.ect
hb:10
EffectName=spin.ect
ro:128,128,5
co:1
