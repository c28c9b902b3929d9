<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Categories</name>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Leve</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Heavry</source>
        <translation>&amp;Pesado</translation>
    </message>
    <message>
        <source>&amp;Veray Heavy</source>
        <translation>M&amp;uito pesado</translation>
    </message>
    <message>
        <source>&amp;Input Axles</source>
        <translation>&amp;Inserir eixos</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>concrete shoulder</source>
        <translation>acostamento de concreto</translation>
    </message>
    <message>
        <source>no concrete shoulder</source>
        <translation>sem acostamento de concreto</translation>
    </message>
    <message>
        <source>doweled joints</source>
        <translation>juntas com barras de transferência</translation>
    </message>
    <message>
        <source>aggregate-interlock joints</source>
        <translation>juntas com entrosamento de agregados</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitadas</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>tandem</source>
        <translation>tandem duplo</translation>
    </message>
    <message>
        <source>Model units, fatigue part: %1. Erosion part: %2</source>
        <translation>Unidades do modelo, parte de fadiga: %1. Parte de erosão: %2</translation>
    </message>
    <message>
        <source>Model units: %1</source>
        <translation>Unidades do modelo: %1</translation>
    </message>
    <message>
        <source>design load (kN)</source>
        <translation>carga de projeto (kN)</translation>
    </message>
    <message>
        <source>radius of relative stiffness (cm)</source>
        <translation>raio de rigidez relativa (cm)</translation>
    </message>
    <message>
        <source>equivalent stress Se (kPa)</source>
        <translation>tensão equivalente Se (kPa)</translation>
    </message>
    <message>
        <source>deflection w (mm)</source>
        <translation>deflexão w (mm)</translation>
    </message>
    <message>
        <source>axle</source>
        <translation>eixo</translation>
    </message>
    <message>
        <source>row</source>
        <translation>linha</translation>
    </message>
    <message>
        <source>design load (kips)</source>
        <translation>carga de projeto (kips)</translation>
    </message>
    <message>
        <source>expected repetitions</source>
        <translation>repetições previstas</translation>
    </message>
    <message>
        <source>radius of relative stiffness (in)</source>
        <translation>raio de rigidez relativa (in)</translation>
    </message>
    <message>
        <source>load factor f1</source>
        <translation>fator de carga f1</translation>
    </message>
    <message>
        <source>moment term M</source>
        <translation>termo de momento M</translation>
    </message>
    <message>
        <source>factor f2</source>
        <translation>fator f2</translation>
    </message>
    <message>
        <source>equivalent stress Se (psi)</source>
        <translation>tensão equivalente Se (psi)</translation>
    </message>
    <message>
        <source>stress ratio</source>
        <translation>relação de tensões</translation>
    </message>
    <message>
        <source>allowable fatigue repetitions</source>
        <translation>repetições admissíveis à fadiga</translation>
    </message>
    <message>
        <source>fatigue %</source>
        <translation>dano por fadiga %</translation>
    </message>
    <message>
        <source>deflection w (in)</source>
        <translation>deflexão w (in)</translation>
    </message>
    <message>
        <source>power P&apos;</source>
        <translation>potência P&apos;</translation>
    </message>
    <message>
        <source>factor C1</source>
        <translation>fator C1</translation>
    </message>
    <message>
        <source>erosion factor</source>
        <translation>fator de erosão</translation>
    </message>
    <message>
        <source>allowable erosion repetitions</source>
        <translation>repetições admissíveis à erosão</translation>
    </message>
    <message>
        <source>erosion %</source>
        <translation>dano por erosão %</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>per 1000 trucks</source>
        <translation>por 1000 caminhões</translation>
    </message>
    <message>
        <source>Trial slab thickness h</source>
        <translation>Espessura de tentativa h da placa</translation>
    </message>
    <message>
        <source>The trial thickness h</source>
        <translation>A espessura de tentativa h</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>Modulus of subgrade reaction k on top of the subbase</source>
        <translation>Módulo de reação do subleito k no topo da sub-base</translation>
    </message>
    <message>
        <source>The subgrade modulus k</source>
        <translation>O módulo de reação do subleito k</translation>
    </message>
    <message>
        <source>psi per inch</source>
        <translation>psi por polegada</translation>
    </message>
    <message>
        <source>kPa per millimetre</source>
        <translation>kPa por milímetro</translation>
    </message>
    <message>
        <source>Modulus of rupture Sc of the concrete</source>
        <translation>Módulo de ruptura Sc (resistência à tração na flexão) do concreto</translation>
    </message>
    <message>
        <source>The modulus of rupture Sc</source>
        <translation>O módulo de ruptura Sc</translation>
    </message>
    <message>
        <source>Average daily traffic ADT</source>
        <translation>Volume médio diário de tráfego ADT</translation>
    </message>
    <message>
        <source>The average daily traffic ADT</source>
        <translation>O volume médio diário ADT</translation>
    </message>
    <message>
        <source>vehicles per day in both directions</source>
        <translation>veículos por dia nos dois sentidos</translation>
    </message>
    <message>
        <source>Proportion of trucks TD</source>
        <translation>Porcentagem de caminhões TD</translation>
    </message>
    <message>
        <source>The proportion of trucks TD</source>
        <translation>A porcentagem de caminhões TD</translation>
    </message>
    <message>
        <source>percent of ADT</source>
        <translation>por cento do ADT</translation>
    </message>
    <message>
        <source>Direction distribution DD</source>
        <translation>Distribuição por sentido DD</translation>
    </message>
    <message>
        <source>The direction distribution DD</source>
        <translation>A distribuição por sentido DD</translation>
    </message>
    <message>
        <source>percent of the trucks in the design direction</source>
        <translation>por cento dos caminhões no sentido de projeto</translation>
    </message>
    <message>
        <source>Lane distribution LD</source>
        <translation>Distribuição por faixa LD</translation>
    </message>
    <message>
        <source>The lane distribution LD</source>
        <translation>A distribuição por faixa LD</translation>
    </message>
    <message>
        <source>percent of the design direction&apos;s trucks in the design lane</source>
        <translation>por cento dos caminhões do sentido de projeto na faixa de projeto</translation>
    </message>
    <message>
        <source>Annual growth rate i of the traffic</source>
        <translation>Taxa de crescimento anual i do tráfego</translation>
    </message>
    <message>
        <source>The annual growth rate i</source>
        <translation>A taxa de crescimento anual i</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Taxa de crescimento</translation>
    </message>
    <message>
        <source>percent per year</source>
        <translation>por cento ao ano</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Anos</translation>
    </message>
    <message>
        <source>Design period</source>
        <translation>Período de projeto</translation>
    </message>
    <message>
        <source>The design period</source>
        <translation>O período de projeto</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anos</translation>
    </message>
    <message>
        <source>Load safety factor LSF</source>
        <translation>Fator de segurança de carga LSF</translation>
    </message>
    <message>
        <source>The load safety factor LSF</source>
        <translation>O fator de segurança de carga LSF</translation>
    </message>
    <message>
        <source>a multiplier on every axle load</source>
        <translation>um multiplicador de cada carga por eixo</translation>
    </message>
    <message>
        <source>Single Axle Load</source>
        <translation>Carga por eixo simples</translation>
    </message>
    <message>
        <source>Load of one single axle of this row, before the load safety factor</source>
        <translation>Carga de um eixo simples desta linha, antes do fator de segurança de carga</translation>
    </message>
    <message>
        <source>The single axle load</source>
        <translation>A carga por eixo simples</translation>
    </message>
    <message>
        <source>kips</source>
        <translation>kips</translation>
    </message>
    <message>
        <source>kilonewtons</source>
        <translation>quilonewtons</translation>
    </message>
    <message>
        <source>Single Axle</source>
        <translation>Eixo simples</translation>
    </message>
    <message>
        <source>Number of single axles of this row&apos;s load</source>
        <translation>Número de eixos simples com a carga desta linha</translation>
    </message>
    <message>
        <source>The number of single axles per 1000 trucks</source>
        <translation>O número de eixos simples por 1000 caminhões</translation>
    </message>
    <message>
        <source>Single Axles per 1000 Trucks</source>
        <translation>Eixos simples por 1000 caminhões</translation>
    </message>
    <message>
        <source>Tandem Axle</source>
        <translation>Eixo tandem duplo</translation>
    </message>
    <message>
        <source>Load of one tandem axle of this row, before the load safety factor</source>
        <translation>Carga de um eixo tandem duplo desta linha, antes do fator de segurança de carga</translation>
    </message>
    <message>
        <source>The tandem axle load</source>
        <translation>A carga por eixo tandem duplo</translation>
    </message>
    <message>
        <source>Tandem Axle Load</source>
        <translation>Carga por eixo tandem duplo</translation>
    </message>
    <message>
        <source>Number of tandem axles of this row&apos;s load</source>
        <translation>Número de eixos tandem duplos com a carga desta linha</translation>
    </message>
    <message>
        <source>The number of tandem axles per 1000 trucks</source>
        <translation>O número de eixos tandem duplos por 1000 caminhões</translation>
    </message>
    <message>
        <source>Tandem Axles per 1000 Trucks</source>
        <translation>Eixos tandem duplos por 1000 caminhões</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1, %2. Typical range %3.</source>
        <translation>%1, %2. Intervalo típico de %3.</translation>
    </message>
    <message>
        <source>%1 is an invalid number; please try again!</source>
        <translation>%1 não é um número válido: digite um número com ponto decimal (9.5, não 9,5) e tente novamente!</translation>
    </message>
    <message>
        <source>%1 is not within the typical data range( %2,  %3). Accept the suggested minimum value?</source>
        <translation>%1 não está dentro do intervalo típico de dados (%2, %3). Aceitar o valor mínimo sugerido?</translation>
    </message>
    <message>
        <source>%1 is not within the typical data range( %2,  %3). Accept the suggested maximum value?</source>
        <translation>%1 não está dentro do intervalo típico de dados (%2, %3). Aceitar o valor máximo sugerido?</translation>
    </message>
    <message>
        <source>Keep the %1 input value anyway!</source>
        <translation>O valor de %1 é mantido assim mesmo!</translation>
    </message>
    <message>
        <source>%1, row %2 (%3)</source>
        <translation>%1, linha %2 (%3)</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>%1 in row %2</source>
        <translation>%1 na linha %2</translation>
    </message>
    <message>
        <source>Input Data Check</source>
        <translation>Verificação dos dados</translation>
    </message>
    <message>
        <source>Trial Thickness, h (cm)</source>
        <translation>Espessura de tentativa, h (cm)</translation>
    </message>
    <message>
        <source>Trial Thickness, h (in)</source>
        <translation>Espessura de tentativa, h (in)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, K (kPa/mm)</source>
        <translation>Módulo de reação do subleito, K (kPa/mm)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, k (kPa/mm)</source>
        <translation>Módulo de reação do subleito, k (kPa/mm)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, K (psi/in)</source>
        <translation>Módulo de reação do subleito, K (psi/in)</translation>
    </message>
    <message>
        <source>Subgrade Modulus, k (psi/in)</source>
        <translation>Módulo de reação do subleito, k (psi/in)</translation>
    </message>
    <message>
        <source>Modulus of Rupture, Sc (kPa)</source>
        <translation>Módulo de ruptura, Sc (kPa)</translation>
    </message>
    <message>
        <source>Modulus of Rupture, Sc (psi)</source>
        <translation>Módulo de ruptura, Sc (psi)</translation>
    </message>
    <message>
        <source>Axle Load (kN)</source>
        <translation>Carga por eixo (kN)</translation>
    </message>
    <message>
        <source>Axle Load (kips)</source>
        <translation>Carga por eixo (kips)</translation>
    </message>
    <message>
        <source>Concrete Shoulder</source>
        <translation>Acostamento de concreto</translation>
    </message>
    <message>
        <source>Doweled Joints</source>
        <translation>Barras de transferência</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Average Daily Traffic, ADT</source>
        <translation>Volume médio diário, ADT</translation>
    </message>
    <message>
        <source>Proportion of Trucks,%</source>
        <translation>Porcentagem de caminhões, %</translation>
    </message>
    <message>
        <source>Annual Growth Rate, %</source>
        <translation>Taxa de crescimento anual, %</translation>
    </message>
    <message>
        <source>Direction Distribution,%</source>
        <translation>Distribuição por sentido, %</translation>
    </message>
    <message>
        <source>Lane Distribution,%</source>
        <translation>Distribuição por faixa, %</translation>
    </message>
    <message>
        <source>Design Period, Years</source>
        <translation>Período de projeto, anos</translation>
    </message>
    <message>
        <source>Load Safety Factor, LSF</source>
        <translation>Fator de segurança de carga, LSF</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Tandem</source>
        <translation>Tandem duplo</translation>
    </message>
    <message>
        <source>Axle/1000</source>
        <translation>Eixos/1000</translation>
    </message>
</context>
<context>
    <name>Kept inputs</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 não é verdadeiro nem falso</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 não é um texto</translation>
    </message>
    <message>
        <source>%1 holds a character that no typed text can hold</source>
        <translation>%1 contém um caractere que nenhum texto digitado pode conter</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 não é uma lista</translation>
    </message>
    <message>
        <source>%1 is not a list of %2 values</source>
        <translation>%1 não é uma lista de %2 valores</translation>
    </message>
    <message>
        <source>%1 is not a group of values</source>
        <translation>%1 não é um grupo de valores</translation>
    </message>
    <message>
        <source>%1 is not a caption this program writes</source>
        <translation>%1 não é um rótulo que este programa escreva</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>its format %1 is unknown to this version of the page</source>
        <translation>esta versão da página não conhece seu formato %1</translation>
    </message>
    <message>
        <source>they are not in a format the page keeps (%1)</source>
        <translation>não estão em um formato que a página guarde (%1)</translation>
    </message>
    <message>
        <source>%1 is not a time a clock can show</source>
        <translation>%1 não é uma hora que um relógio possa mostrar</translation>
    </message>
    <message>
        <source>%1 is neither 0 (English) nor 1 (Metric)</source>
        <translation>%1 não é nem 0 (inglês) nem 1 (métrico)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Português</translation>
    </message>
</context>
<context>
    <name>Memo</name>
    <message>
        <source>%1 is too long for a QR code: the code holds its SHA-256 fingerprint.</source>
        <translation>%1 é longo demais para um código QR: o código contém a sua impressão digital SHA-256.</translation>
    </message>
    <message>
        <source>The QR code holds %1: a phone&apos;s QR reader gives its text back.</source>
        <translation>O código QR contém %1: o leitor de QR de um celular devolve o seu texto.</translation>
    </message>
    <message>
        <source>SHA-256 of %1: %2</source>
        <translation>SHA-256 de %1: %2</translation>
    </message>
    <message>
        <source>The design&apos;s inputs are attached to this PDF as %1</source>
        <translation>Os dados do projeto estão anexados a este PDF como %1</translation>
    </message>
    <message>
        <source>Inputs SHA-256 %1</source>
        <translation>Dados SHA-256 %1</translation>
    </message>
    <message>
        <source>Unit system</source>
        <translation>Sistema de unidades</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Axle loads: the %1 axle-load spectrum</source>
        <translation>Cargas por eixo: o espectro de cargas por eixo %1</translation>
    </message>
    <message>
        <source>Axle loads</source>
        <translation>Cargas por eixo</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Single axle load (%1)</source>
        <translation>Carga por eixo simples (%1)</translation>
    </message>
    <message>
        <source>Single axles per 1000 trucks</source>
        <translation>Eixos simples por 1000 caminhões</translation>
    </message>
    <message>
        <source>Tandem axle load (%1)</source>
        <translation>Carga por eixo tandem duplo (%1)</translation>
    </message>
    <message>
        <source>Tandem axles per 1000 trucks</source>
        <translation>Eixos tandem duplos por 1000 caminhões</translation>
    </message>
    <message>
        <source>Design memo</source>
        <translation>Memorial de cálculo</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Informações do projeto</translation>
    </message>
    <message>
        <source>Input warnings</source>
        <translation>Avisos sobre os dados</translation>
    </message>
    <message>
        <source>Inputs as entered</source>
        <translation>Dados de entrada como digitados</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Como digitado</translation>
    </message>
    <message>
        <source>Computed with %1.</source>
        <translation>Calculado com %1.</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Designed by: %1</source>
        <translation>Projetista: %1</translation>
    </message>
    <message>
        <source>Checked by: %1</source>
        <translation>Verificador: %1</translation>
    </message>
    <message>
        <source>Date: ____________</source>
        <translation>Data: ____________</translation>
    </message>
    <message>
        <source>unsaved inputs</source>
        <translation>dados não salvos</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Damage Chart</source>
        <translation>Gráfico de dano</translation>
    </message>
    <message>
        <source>Total damage against slab thickness</source>
        <translation>Dano total em função da espessura da placa</translation>
    </message>
    <message>
        <source>Slab thickness (%1)</source>
        <translation>Espessura da placa (%1)</translation>
    </message>
    <message>
        <source>Total damage (%), log scale</source>
        <translation>Dano total (%), escala logarítmica</translation>
    </message>
    <message>
        <source>Total fatigue damage</source>
        <translation>Dano total por fadiga</translation>
    </message>
    <message>
        <source>Total erosion damage</source>
        <translation>Dano total por erosão</translation>
    </message>
    <message>
        <source>Recommended %1 %2</source>
        <translation>Recomendada %1 %2</translation>
    </message>
    <message>
        <source>Damage per axle row (%)</source>
        <translation>Dano por linha de eixos (%)</translation>
    </message>
    <message>
        <source>Damage (%)</source>
        <translation>Dano (%)</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Fadiga</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosão</translation>
    </message>
    <message>
        <source>Sensitivity of the recommended thickness</source>
        <translation>Sensibilidade da espessura recomendada</translation>
    </message>
    <message>
        <source>input -20 %</source>
        <translation>dado -20 %</translation>
    </message>
    <message>
        <source>input +20 %</source>
        <translation>dado +20 %</translation>
    </message>
    <message>
        <source>Recommended thickness with one input 20 % lower or higher</source>
        <translation>Espessura recomendada com um dado 20 % menor ou maior</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value -20 %</source>
        <translation>Valor -20 %</translation>
    </message>
    <message>
        <source>Value +20 %</source>
        <translation>Valor +20 %</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>Espessura (%1)</translation>
    </message>
    <message>
        <source>Recommended thickness (%1)</source>
        <translation>Espessura recomendada (%1)</translation>
    </message>
    <message>
        <source>Design alternatives</source>
        <translation>Alternativas de projeto</translation>
    </message>
    <message>
        <source>The recommended thickness for each combination of concrete shoulder and doweled joints, all other inputs as entered.</source>
        <translation>A espessura recomendada para cada combinação de acostamento de concreto e barras de transferência, com os demais dados como digitados.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>as entered</source>
        <translation>como digitado</translation>
    </message>
    <message>
        <source>Calculation details</source>
        <translation>Detalhes do cálculo</translation>
    </message>
    <message>
        <source>No analysis has been run yet: run Perform Analysis before exporting to see the calculation details.</source>
        <translation>Nenhuma análise foi feita ainda: execute Realizar análise antes de exportar para ver os detalhes do cálculo.</translation>
    </message>
    <message>
        <source>Trial %1 %2</source>
        <translation>Tentativa %1 %2</translation>
    </message>
    <message>
        <source>Axle load (kips)</source>
        <translation>Carga por eixo (kips)</translation>
    </message>
    <message>
        <source>Axle load (kN)</source>
        <translation>Carga por eixo (kN)</translation>
    </message>
    <message>
        <source>No analysis has been run yet. Perform Analysis draws the damage of each axle row here.</source>
        <translation>Nenhuma análise foi feita ainda. Realizar análise desenha aqui o dano de cada linha de eixos.</translation>
    </message>
    <message>
        <source>No recommended thickness to compare with.</source>
        <translation>Não há espessura recomendada com que comparar.</translation>
    </message>
    <message>
        <source>no thickness found</source>
        <translation>nenhuma espessura encontrada</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>it is a PDF, and this build of the program cannot read the input data file attached to a design memo; read the .DEF file instead</source>
        <translation>é um PDF, e esta compilação do programa não consegue ler o arquivo de dados de entrada anexado a um memorial de cálculo; leia o arquivo .DEF</translation>
    </message>
    <message>
        <source>it is a PDF without an attached input data file (.DEF); a design memo exported by this program carries one</source>
        <translation>é um PDF sem arquivo de dados de entrada (.DEF) anexado; um memorial de cálculo exportado por este programa traz um</translation>
    </message>
    <message>
        <source>it is a damaged PDF</source>
        <translation>é um PDF danificado</translation>
    </message>
    <message>
        <source>ZAN Thickness Design: Fatigue Analysis</source>
        <translation>ZAN Thickness Design: análise de fadiga</translation>
    </message>
    <message>
        <source>ZAN Thickness Design: Erosion Analysis</source>
        <translation>ZAN Thickness Design: análise de erosão</translation>
    </message>
    <message>
        <source>Recommended Design Thickness</source>
        <translation>Espessura de projeto recomendada</translation>
    </message>
    <message>
        <source>The fatigue damage exceeds 100%.</source>
        <translation>O dano por fadiga excede 100%.</translation>
    </message>
    <message>
        <source>The erosion damage exceeds 100%.</source>
        <translation>O dano por erosão excede 100%.</translation>
    </message>
    <message>
        <source>The file %1 %2. Nothing was loaded.</source>
        <translation>O arquivo %1 %2. Nada foi carregado.</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>não pôde ser lido: %1</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>não há memória suficiente</translation>
    </message>
    <message>
        <source>The Recommended Minimum Slab Thickness is :  %1  %2.</source>
        <translation>A espessura mínima recomendada da placa é:  %1  %2.</translation>
    </message>
    <message>
        <source>Incorrect Input File!</source>
        <translation>Arquivo de dados de entrada incorreto!</translation>
    </message>
    <message>
        <source>ends before the tenth axle-load row</source>
        <translation>termina antes da décima linha de cargas por eixo</translation>
    </message>
    <message>
        <source>%1  Loaded!</source>
        <translation>%1  Carregado!</translation>
    </message>
    <message>
        <source>a line end</source>
        <translation>uma quebra de linha</translation>
    </message>
    <message>
        <source>a double quote</source>
        <translation>aspas duplas</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Dados do pavimento</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Dados do tráfego</translation>
    </message>
    <message>
        <source>Axle-Load Categories, row %1</source>
        <translation>Categorias de carga por eixo, linha %1</translation>
    </message>
    <message>
        <source>The input data were not saved: a text in %1 holds %2, which an input data file cannot keep. Change it and save again.</source>
        <translation>Os dados de entrada não foram salvos: um texto em %1 contém %2, que um arquivo de dados de entrada não pode guardar. Altere-o e salve novamente.</translation>
    </message>
    <message>
        <source>the input data file would be %1 bytes, more than the %2 an input data file may have</source>
        <translation>o arquivo de dados de entrada teria %1 bytes, mais que os %2 que um arquivo de dados de entrada pode ter</translation>
    </message>
    <message>
        <source>The project information is too long: %1. Shorten it and press OK again.</source>
        <translation>As informações do projeto são longas demais: %1. Encurte-as e pressione OK novamente.</translation>
    </message>
    <message>
        <source>The input data were not saved: %1. Shorten the project information and save again.</source>
        <translation>Os dados de entrada não foram salvos: %1. Encurte as informações do projeto e salve novamente.</translation>
    </message>
    <message>
        <source>Only the first file was read:<byte value="xd"/>
%1<byte value="xd"/>
These files were ignored:<byte value="xd"/>
%2</source>
        <translation>Só o primeiro arquivo foi lido:<byte value="xd"/>
%1<byte value="xd"/>
Estes arquivos foram ignorados:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>é um pipe nomeado (FIFO), não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, far more than an input data file holds</source>
        <translation>é maior que %1 MiB, muito mais do que contém um arquivo de dados de entrada</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>está protegido contra gravação</translation>
    </message>
    <message>
        <source>no program reads from this named pipe</source>
        <translation>nenhum programa lê deste pipe nomeado</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>a read failed</source>
        <translation>uma leitura falhou</translation>
    </message>
    <message>
        <source>no temporary file could be created</source>
        <translation>nenhum arquivo temporário pôde ser criado</translation>
    </message>
    <message>
        <source>a write failed</source>
        <translation>uma gravação falhou</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2. The previous file, if any, was left unchanged.</source>
        <translation>O arquivo %1 não pôde ser gravado: %2. O arquivo anterior, se havia, ficou inalterado.</translation>
    </message>
    <message>
        <source>The modulus of rupture Sc is zero, so the stress ratios of the fatigue table cannot be computed. Enter a modulus of rupture greater than zero.</source>
        <translation>O módulo de ruptura Sc é zero, portanto as relações de tensões da tabela de fadiga não podem ser calculadas. Digite um módulo de ruptura maior que zero.</translation>
    </message>
    <message>
        <source>The modulus of rupture Sc is too small for the stress ratios of the fatigue table to be computed. Enter the modulus of rupture of the concrete.</source>
        <translation>O módulo de ruptura Sc é pequeno demais para que as relações de tensões da tabela de fadiga sejam calculadas. Digite o módulo de ruptura do concreto.</translation>
    </message>
    <message>
        <source>The analysis results hold a value that is not a finite number, so the report cannot show them. Run the analysis again.</source>
        <translation>Os resultados da análise contêm um valor que não é um número finito, portanto o relatório não pode mostrá-los. Execute a análise novamente.</translation>
    </message>
    <message>
        <source>The projected truck traffic</source>
        <translation>O tráfego de caminhões projetado</translation>
    </message>
    <message>
        <source>%1 is -100 % or less; the traffic cannot fall by all of itself or more each year. Nothing was analysed.</source>
        <translation>%1 é de -100 % ou menos; o tráfego não pode diminuir a cada ano em todo o seu valor ou mais. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 is zero or negative after the load safety factor. Every axle load must be greater than zero. Nothing was analysed.</source>
        <translation>%1 tem valor zero ou negativo após o fator de segurança de carga. Toda carga por eixo deve ser maior que zero. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 is zero or negative; it must be greater than zero. Nothing was analysed.</source>
        <translation>%1 tem valor zero ou negativo; deve ser maior que zero. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 is negative; it must be zero or more. Nothing was analysed.</source>
        <translation>%1 tem valor negativo; deve ser zero ou mais. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with; check ADT, TD, DD, LD, the growth rate and the design period. Nothing was analysed.</source>
        <translation>%1 tem valor grande demais para o cálculo; verifique ADT, TD, DD, LD, a taxa de crescimento e o período de projeto. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with. Nothing was analysed.</source>
        <translation>%1 tem valor grande demais para o cálculo. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 gives no finite result; the trial thickness, the subgrade modulus or the load is outside what the models can take. Nothing was analysed.</source>
        <translation>%1 não dá resultado finito; a espessura de tentativa, o módulo de reação do subleito ou a carga está fora do que os modelos admitem. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 allows no repetitions at all: the slab is far too thin, or the modulus of rupture far too low, for this load. Nothing was analysed.</source>
        <translation>%1 não admite nenhuma repetição: a placa é fina demais, ou o módulo de ruptura baixo demais, para esta carga. Nada foi analisado.</translation>
    </message>
    <message>
        <source>%1 cannot be analysed.</source>
        <translation>Não é possível analisar %1.</translation>
    </message>
    <message>
        <source>The search starts from the trial thickness rounded down to a whole number, and a trial thickness below 1 %1 rounds down to 0. Enter a trial thickness of 1 %1 or more. The trial thickness was left unchanged.</source>
        <translation>A busca começa na espessura de tentativa arredondada para baixo até um número inteiro, e uma espessura de tentativa menor que 1 %1 é arredondada para 0. Digite uma espessura de tentativa de 1 %1 ou mais. A espessura de tentativa não foi alterada.</translation>
    </message>
    <message>
        <source>No slab thickness up to %1 %2 keeps both the fatigue and the erosion damage below 100%. The trial thickness was left unchanged.</source>
        <translation>Nenhuma espessura da placa até %1 %2 mantém o dano por fadiga e o dano por erosão abaixo de 100%. A espessura de tentativa não foi alterada.</translation>
    </message>
    <message>
        <source>The first line of %1 is neither ****ENG**** nor ****SI****: its inputs were read in %2 units, the unit system in force. Check them before analysing.</source>
        <translation>A primeira linha de %1 não é ****ENG**** nem ****SI****: seus dados foram lidos em unidades %2, o sistema de unidades em vigor. Verifique-os antes de analisar.</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>métricas</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglesas</translation>
    </message>
    <message>
        <source>The analysis of the %1 axle load in row %2</source>
        <translation>A análise da carga por eixo %1 da linha %2</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>tandem</source>
        <translation>tandem duplo</translation>
    </message>
    <message>
        <source>Windows keeps this name for the device %1, with any extension and in any folder</source>
        <translation>O Windows reserva este nome para o dispositivo %1, com qualquer extensão e em qualquer pasta</translation>
    </message>
    <message>
        <source>it names a stream inside a file, not a file</source>
        <translation>designa um fluxo dentro de um arquivo, não um arquivo</translation>
    </message>
    <message>
        <source>it is the console, and the program runs without one</source>
        <translation>é o console, e o programa é executado sem um</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Project Information</source>
        <translation>Informações do projeto</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Projetista</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Verificador</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisão</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>The inputs changed after the last analysis: the report&apos;s tables are from the earlier inputs.</source>
        <translation>Os dados mudaram após a última análise: as tabelas do relatório são dos dados anteriores.</translation>
    </message>
    <message>
        <source>&amp;Analyse Again</source>
        <translation>Analisar &amp;novamente</translation>
    </message>
    <message>
        <source>Run the last analysis again at the inputs as they are now.</source>
        <translation>Executar de novo a última análise com os dados como estão agora.</translation>
    </message>
    <message>
        <source>The inputs have changed since the last analysis, so the tables do not belong to them. Analyse again first?</source>
        <translation>Os dados mudaram desde a última análise, portanto as tabelas não correspondem a eles. Analisar novamente primeiro?</translation>
    </message>
    <message>
        <source>Inputs changed after this analysis</source>
        <translation>Dados alterados após esta análise</translation>
    </message>
</context>
<context>
    <name>Spectra</name>
    <message>
        <source>Light</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Heavy</source>
        <translation>Pesado</translation>
    </message>
    <message>
        <source>Very Heavy</source>
        <translation>Muito pesado</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>padrão</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>fatigue and erosion govern alike</source>
        <translation>fadiga e erosão controlam igualmente</translation>
    </message>
    <message>
        <source>fatigue governs</source>
        <translation>a fadiga controla</translation>
    </message>
    <message>
        <source>erosion governs</source>
        <translation>a erosão controla</translation>
    </message>
    <message>
        <source>fatigue %1 and erosion %2 exceed %3: the slab fails in fatigue and erosion</source>
        <translation>dano por fadiga %1 e dano por erosão %2 excedem %3: a placa falha por fadiga e por erosão</translation>
    </message>
    <message>
        <source>fatigue %1 exceeds %2: the slab fails in fatigue</source>
        <translation>dano por fadiga %1 excede %2: a placa falha por fadiga</translation>
    </message>
    <message>
        <source>erosion %1 exceeds %2: the slab fails in erosion</source>
        <translation>dano por erosão %1 excede %2: a placa falha por erosão</translation>
    </message>
    <message>
        <source>fatigue %1, erosion %2 (both at most %3); %4</source>
        <translation>dano por fadiga %1, dano por erosão %2 (ambos no máximo %3); %4</translation>
    </message>
    <message>
        <source>fatigue %1 (at most %2); erosion not analysed</source>
        <translation>dano por fadiga %1 (no máximo %2); erosão não analisada</translation>
    </message>
    <message>
        <source>erosion %1 (at most %2); fatigue not analysed</source>
        <translation>dano por erosão %1 (no máximo %2); fadiga não analisada</translation>
    </message>
    <message>
        <source>No analysis has been run: there is no verdict yet.</source>
        <translation>Nenhuma análise foi feita: ainda não há veredito.</translation>
    </message>
    <message>
        <source>Recommended thickness %1: %2</source>
        <translation>Espessura recomendada %1: %2</translation>
    </message>
    <message>
        <source>Trial thickness %1: %2</source>
        <translation>Espessura de tentativa %1: %2</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>%1 = %2 is outside the typical range %3</source>
        <translation>%1 = %2 está fora do intervalo típico %3</translation>
    </message>
    <message>
        <source>%1 = %2 is read as %3</source>
        <translation>%1 = %2 é lido como %3</translation>
    </message>
    <message>
        <source>it repeats the marker</source>
        <translation>repete o marcador</translation>
    </message>
    <message>
        <source>only the first %1 line is read</source>
        <translation>só a primeira linha %1 é lida</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>não é %1</translation>
    </message>
    <message>
        <source>Project information: %1 is kept unread: %2</source>
        <translation>Informações do projeto: %1 é mantido sem leitura: %2</translation>
    </message>
    <message>
        <source>Project information: %1 lines are kept unread (repeated keys or markers, or text that is not %2), the first %3</source>
        <translation>Informações do projeto: %1 linhas são mantidas sem leitura (chaves ou marcadores repetidos, ou texto que não é %2), a primeira %3</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Open .DEF</source>
        <translation>Abrir .DEF</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>The inputs are in these units now; reading a .DEF file changes them.</source>
        <translation>Os dados estão nestas unidades agora; ler um arquivo .DEF as altera.</translation>
    </message>
    <message>
        <source>Save .DEF</source>
        <translation>Salvar .DEF</translation>
    </message>
    <message>
        <source>Save report .PRN</source>
        <translation>Salvar relatório .PRN</translation>
    </message>
    <message>
        <source>Save details .csv</source>
        <translation>Salvar detalhes .csv</translation>
    </message>
    <message>
        <source>Print memo</source>
        <translation>Imprimir memorial</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Open a .DEF file, or drop one anywhere on the page.</source>
        <translation>Abra um arquivo .DEF, ou solte um em qualquer lugar da página.</translation>
    </message>
    <message>
        <source>Start afresh</source>
        <translation>Começar de novo</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Dados do pavimento</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Dados do tráfego</translation>
    </message>
    <message>
        <source>Axle-Load Categories</source>
        <translation>Categorias de carga por eixo</translation>
    </message>
    <message>
        <source>Axle load category</source>
        <translation>Categoria de carga por eixo</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Fatigue Analysis</source>
        <translation>Análise de fadiga</translation>
    </message>
    <message>
        <source>Erosion Analysis</source>
        <translation>Análise de erosão</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <source>Compute Design Thickness</source>
        <translation>Calcular espessura de projeto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Your inputs kept on %1 at %2 were restored</source>
        <translation>Seus dados guardados em %1 às %2 foram restaurados</translation>
    </message>
    <message>
        <source>Your inputs from %1, kept on %2 at %3, were restored</source>
        <translation>Seus dados de %1, guardados em %2 às %3, foram restaurados</translation>
    </message>
    <message>
        <source>Start afresh with the initial design? Your inputs hold changes not saved to a .DEF file, which will be lost.</source>
        <translation>Começar de novo com o projeto inicial? Seus dados têm alterações não salvas em um arquivo .DEF, que serão perdidas.</translation>
    </message>
    <message>
        <source>Inputs kept from an earlier version could not be restored: %1</source>
        <translation>Não foi possível restaurar os dados guardados por uma versão anterior: %1</translation>
    </message>
    <message>
        <source>Discard them</source>
        <translation>Descartá-los</translation>
    </message>
    <message>
        <source>Discard the inputs kept from an earlier version? This version of the page cannot restore them; the version that kept them may.</source>
        <translation>Descartar os dados guardados por uma versão anterior? Esta versão da página não pode restaurá-los; a versão que os guardou talvez possa.</translation>
    </message>
    <message>
        <source>Your last change could not be kept in this browser: its storage is full or refused. Save a .DEF file to keep your inputs.</source>
        <translation>Sua última alteração não pôde ser guardada neste navegador: o armazenamento está cheio ou foi recusado. Salve um arquivo .DEF para conservar seus dados.</translation>
    </message>
</context>
<context>
    <name>zan</name>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>Não foi possível iniciar o documento PDF.</translation>
    </message>
    <message>
        <source>The PDF document could not start a new page.</source>
        <translation>O documento PDF não pôde começar uma nova página.</translation>
    </message>
    <message>
        <source>The PDF document could not be finished.</source>
        <translation>Não foi possível concluir o documento PDF.</translation>
    </message>
</context>
<context>
    <name>zan::AboutWindow</name>
    <message>
        <source>ZAN Thickness Design Program</source>
        <translation>Programa ZAN Thickness Design</translation>
    </message>
    <message>
        <source>for Concrete Highway and Street Pavements</source>
        <translation>para pavimentos de concreto de rodovias e ruas</translation>
    </message>
    <message>
        <source>Developed at the</source>
        <translation>Desenvolvido no</translation>
    </message>
    <message>
        <source>ZAN Thickness Design project</source>
        <translation>projeto ZAN Thickness Design</translation>
    </message>
    <message>
        <source>Open pavement design software</source>
        <translation>Software aberto de projeto de pavimentos</translation>
    </message>
    <message>
        <source>wherever its contributors live</source>
        <translation>onde quer que vivam seus colaboradores</translation>
    </message>
    <message>
        <source>Sponsored by</source>
        <translation>Patrocinado por</translation>
    </message>
    <message>
        <source>the engineers who use it</source>
        <translation>os engenheiros que o usam</translation>
    </message>
    <message>
        <source>in every country</source>
        <translation>em todos os países</translation>
    </message>
    <message>
        <source>Release %1, December 2026</source>
        <translation>Versão %1, dezembro de 2026</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Escrito por</translation>
    </message>
    <message>
        <source>The ZAN Thickness Design contributors</source>
        <translation>Os colaboradores do ZAN Thickness Design</translation>
    </message>
    <message>
        <source>developers and pavement engineers</source>
        <translation>desenvolvedores e engenheiros de pavimentos</translation>
    </message>
    <message>
        <source>of the ZAN Thickness Design project</source>
        <translation>do projeto ZAN Thickness Design</translation>
    </message>
    <message>
        <source>working from many cities</source>
        <translation>que trabalham a partir de muitas cidades</translation>
    </message>
    <message>
        <source>Under the Supervision of</source>
        <translation>Sob a supervisão de</translation>
    </message>
    <message>
        <source>The project&apos;s maintainers</source>
        <translation>Os mantenedores do projeto</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>The project&apos;s reviewers</source>
        <translation>Os revisores do projeto</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Sobre </translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mais</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>zan::DamageChartWindow</name>
    <message>
        <source>PNG Image|*.png|SVG Drawing|*.svg</source>
        <translation>Imagem PNG|*.png|Desenho SVG|*.svg</translation>
    </message>
    <message>
        <source>The file %1 could not be written: the image could not be drawn.</source>
        <translation>O arquivo %1 não pôde ser gravado: a imagem não pôde ser desenhada.</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Salvar &amp;imagem...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>zan::InputDialog</name>
    <message>
        <source>Axle-Load Categories</source>
        <translation>Categorias de carga por eixo</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Check the values against their typical ranges and keep them.</source>
        <translation>Verificar os valores em relação a seus intervalos típicos e mantê-los.</translation>
    </message>
    <message>
        <source>Put back the values you came to the dialog with, and close it.</source>
        <translation>Restaurar os valores que havia ao abrir a janela e fechá-la.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Dados do pavimento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Dados do tráfego</translation>
    </message>
</context>
<context>
    <name>zan::MainWindow</name>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Arquivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The input data have changed since they were last saved. Save them before closing?</source>
        <translation>Os dados de entrada mudaram desde a última vez que foram salvos. Salvá-los antes de fechar?</translation>
    </message>
    <message>
        <source>Save Dialog</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Metric System Selected</source>
        <translation>Sistema métrico selecionado</translation>
    </message>
    <message>
        <source>English System Selected</source>
        <translation>Sistema inglês selecionado</translation>
    </message>
    <message>
        <source>Only a single input data file (.DEF) can be dropped here.</source>
        <translation>Só um único arquivo de dados de entrada (.DEF) pode ser solto aqui.</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>O relatório não pôde ser impresso: %1</translation>
    </message>
    <message>
        <source>Save Outputs before closing?</source>
        <translation>Salvar os resultados antes de fechar?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Read and save input data, save and print the report, exit.</source>
        <translation>Ler e salvar dados de entrada, salvar e imprimir o relatório, sair.</translation>
    </message>
    <message>
        <source>&amp;Default Options</source>
        <translation>&amp;Opções padrão</translation>
    </message>
    <message>
        <source>Choose the unit system, until the first inputs exist.</source>
        <translation>Escolher o sistema de unidades, enquanto não houver dados.</translation>
    </message>
    <message>
        <source>&amp;Metric System</source>
        <translation>Sistema &amp;métrico</translation>
    </message>
    <message>
        <source>Give every input in cm, kPa/mm, kPa and kN.</source>
        <translation>Dar todos os dados em cm, kPa/mm, kPa e kN.</translation>
    </message>
    <message>
        <source>&amp;English System</source>
        <translation>Sistema &amp;inglês</translation>
    </message>
    <message>
        <source>Give every input in in, psi/in, psi and kips.</source>
        <translation>Dar todos os dados em in, psi/in, psi e kips.</translation>
    </message>
    <message>
        <source>&amp;Detailed Reports</source>
        <translation>Relatórios &amp;detalhados</translation>
    </message>
    <message>
        <source>&amp;Read Data From File...</source>
        <translation>&amp;Ler dados de arquivo...</translation>
    </message>
    <message>
        <source>Read all inputs and their unit system from a .DEF file.</source>
        <translation>Ler todos os dados e seu sistema de unidades de um arquivo .DEF.</translation>
    </message>
    <message>
        <source>&amp;Save Input Data...</source>
        <translation>Salvar &amp;dados de entrada...</translation>
    </message>
    <message>
        <source>Write all inputs to a .DEF file.</source>
        <translation>Gravar todos os dados em um arquivo .DEF.</translation>
    </message>
    <message>
        <source>S&amp;ave Report...</source>
        <translation>Salvar &amp;relatório...</translation>
    </message>
    <message>
        <source>Write the report of the inputs and the last analysis to a .PRN file.</source>
        <translation>Gravar o relatório dos dados e da última análise em um arquivo .PRN.</translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation>&amp;Imprimir relatório...</translation>
    </message>
    <message>
        <source>Print the report of the inputs and the last analysis.</source>
        <translation>Imprimir o relatório dos dados e da última análise.</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Write the report, charts and calculation details to a PDF.</source>
        <translation>Gravar o relatório, os gráficos e os detalhes do cálculo em um PDF.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>End the program, after asking whether to save the report.</source>
        <translation>Encerrar o programa, após perguntar se o relatório deve ser salvo.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Enter the pavement, traffic and axle-load inputs.</source>
        <translation>Digitar os dados do pavimento, do tráfego e das cargas por eixo.</translation>
    </message>
    <message>
        <source>&amp;Pavement Data...</source>
        <translation>Dados do &amp;pavimento...</translation>
    </message>
    <message>
        <source>Slab thickness, subgrade, concrete strength, shoulder, dowels.</source>
        <translation>Espessura da placa, subleito, concreto, acostamento, barras.</translation>
    </message>
    <message>
        <source>&amp;Traffic Data...</source>
        <translation>Dados do &amp;tráfego...</translation>
    </message>
    <message>
        <source>Daily traffic, trucks, distributions, growth, period, LSF.</source>
        <translation>Tráfego diário, caminhões, distribuições, crescimento, período, LSF.</translation>
    </message>
    <message>
        <source>Project &amp;Information...</source>
        <translation>&amp;Informações do projeto...</translation>
    </message>
    <message>
        <source>Project, client, designer and checker for the file and memo.</source>
        <translation>Projeto, cliente, projetista e verificador do arquivo e do memorial.</translation>
    </message>
    <message>
        <source>&amp;Axle Load Cat...</source>
        <translation>&amp;Categorias de carga...</translation>
    </message>
    <message>
        <source>Fill the axle loads from a built-in spectrum.</source>
        <translation>Preencher as cargas por eixo com um espectro incorporado.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Light category: residential streets.</source>
        <translation>Trocar as cargas por eixo pela categoria Leve: ruas residenciais.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Medium category: collector streets.</source>
        <translation>Trocar as cargas por eixo pela categoria Médio: ruas coletoras.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Heavy category: arterials, highways.</source>
        <translation>Trocar as cargas por eixo pela categoria Pesado: vias arteriais, rodovias.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Very Heavy category: heavy trucks.</source>
        <translation>Trocar as cargas por eixo pela categoria Muito pesado: caminhões pesados.</translation>
    </message>
    <message>
        <source>Replace the axle loads by the standard spectrum, to type over.</source>
        <translation>Trocar as cargas por eixo pelo espectro padrão, para digitar por cima.</translation>
    </message>
    <message>
        <source>&amp;Perform Analysis</source>
        <translation>&amp;Realizar análise</translation>
    </message>
    <message>
        <source>Analyse the trial thickness, or chart the damage.</source>
        <translation>Analisar a espessura de tentativa, ou traçar o gráfico do dano.</translation>
    </message>
    <message>
        <source>&amp;Fatigue Analysis</source>
        <translation>Análise de &amp;fadiga</translation>
    </message>
    <message>
        <source>Analyse the fatigue damage of the trial thickness.</source>
        <translation>Analisar o dano por fadiga da espessura de tentativa.</translation>
    </message>
    <message>
        <source>&amp;Erosion Analysis</source>
        <translation>Análise de &amp;erosão</translation>
    </message>
    <message>
        <source>Analyse the erosion damage of the trial thickness.</source>
        <translation>Analisar o dano por erosão da espessura de tentativa.</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>&amp;Ambas</translation>
    </message>
    <message>
        <source>Analyse the fatigue and erosion damage of the trial thickness.</source>
        <translation>Analisar o dano por fadiga e por erosão da espessura de tentativa.</translation>
    </message>
    <message>
        <source>Damage &amp;Chart...</source>
        <translation>&amp;Gráfico de dano...</translation>
    </message>
    <message>
        <source>Chart damage against thickness, per axle row, and sensitivity.</source>
        <translation>Traçar o dano em função da espessura, por linha de eixos, e a sensibilidade.</translation>
    </message>
    <message>
        <source>&amp;Compute Design Thickness</source>
        <translation>&amp;Calcular espessura de projeto</translation>
    </message>
    <message>
        <source>Find the thinnest slab with both damages below 100 %.</source>
        <translation>Encontrar a placa mais fina com ambos os danos abaixo de 100 %.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Open the user guide or the About window.</source>
        <translation>Abrir o guia do usuário ou a janela Sobre.</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Leia-me</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <source>Open the user guide: inputs, commands, report, messages.</source>
        <translation>Abrir o guia do usuário: dados, comandos, relatório, mensagens.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Show the program&apos;s title and credits.</source>
        <translation>Mostrar o título e os créditos do programa.</translation>
    </message>
</context>
<context>
    <name>zan::PavementDialog</name>
    <message>
        <source>Concrete shoulder: Yes when a tied concrete shoulder supports the slab edge, No for asphalt, granular or untied shoulders.</source>
        <translation>Acostamento de concreto: Sim quando um acostamento de concreto ligado por barras apoia a borda da placa; Não para acostamentos de asfalto, granulares ou não ligados.</translation>
    </message>
    <message>
        <source>Doweled joints: Yes when the transverse joints carry dowel bars, No when load transfer is by aggregate interlock only.</source>
        <translation>Barras de transferência: Sim quando as juntas transversais têm barras de transferência; Não quando a transferência de carga se dá só pelo entrosamento dos agregados.</translation>
    </message>
</context>
<context>
    <name>zan::ProjectDialog</name>
    <message>
        <source>Project Information</source>
        <translation>Informações do projeto</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projeto:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <source>C&amp;lient:</source>
        <translation>Cl&amp;iente:</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>Pro&amp;jetista:</translation>
    </message>
    <message>
        <source>C&amp;hecker:</source>
        <translation>&amp;Verificador:</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>&amp;Revisão:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
</context>
<context>
    <name>zan::QtPlatform</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Tentar novamente</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>A impressora não pôde começar uma nova página.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>A impressora informou um erro.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
</context>
<context>
    <name>zan::UserGuideWindow</name>
    <message>
        <source>ZAN Thickness Design User Guide</source>
        <translation>Guia do usuário do ZAN Thickness Design</translation>
    </message>
</context>
</TS>
